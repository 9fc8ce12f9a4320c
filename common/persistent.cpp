#include "common/persistent.h"

#include "common/errors.h"

namespace kurvex {

void TPersistent::Assign(const TPersistent& Source) { Source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& Dest) const {
  throw EConvertError(std::string("Cannot assign a ") + ClassName() + " to a " + Dest.ClassName());
}

}  // namespace kurvex
