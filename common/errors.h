#pragma once
// The library's exception classes.

#include <stdexcept>
#include <string>

namespace kurvex {

// Base class of the errors the chart library raises on purpose.
class EKPXError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Errors a caller can cause on a chart: joint layers, logarithmic ranges, invalid layers.
class EKPXKurvexError : public EKPXError {
 public:
  using EKPXError::EKPXError;
};

// A value that cannot be converted: assigning a persistent object from an unrelated class,
// or encoding an impossible date or time.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Arithmetic domain errors of the numeric helpers ("logarithm: invalid argument").
class EMathError : public std::domain_error {
 public:
  using std::domain_error::domain_error;
};

}  // namespace kurvex
