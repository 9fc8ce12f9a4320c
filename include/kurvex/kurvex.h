#pragma once
// Everything of Kurvex that needs no Qt: the chart (TKurvex), the stand-alone scale
// (TScale), the numeric label (TNumLab), and saving any of them as a PNG file.
// Link Kurvex::Kurvex.

#include "chart/model/kurvex.h"
#include "export/png_export.h"
#include "numlab/numlab.h"
#include "platform/application.h"
#include "scale/scale.h"
