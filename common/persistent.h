#pragma once
// The root of the object model: TObject (run-time class name) and TPersistent (assignable
// objects). Fonts, scale settings, crosshairs and components all derive from TPersistent.

#include <functional>
#include <string>

namespace kurvex {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class name as written in stored layouts ("TKurvex", "TFont").
  virtual const char* ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  const char* ClassName() const override { return "TPersistent"; }

  // Copies Source's values into this object. The default asks Source to assign itself to
  // this object (AssignTo); a pair that neither side knows raises EConvertError.
  virtual void Assign(const TPersistent& Source);

 protected:
  // Copies this object's values into Dest. The default raises EConvertError
  // "Cannot assign a <source class> to a <destination class>".
  virtual void AssignTo(TPersistent& Dest) const;
};

}  // namespace kurvex
