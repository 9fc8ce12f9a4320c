#pragma once
// Helpers shared by the platform tests.

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/headless_host.h"
#include "platform/mouse_input.h"

namespace kurvex::test {

// Gives the application a fresh headless host for one test and takes it back afterwards.
class HostScope {
 public:
  HostScope() {
    auto host = std::make_unique<HeadlessHost>();
    host_ = host.get();
    Application().SetHost(std::move(host));
  }
  ~HostScope() {
    Application().SetHost(nullptr);
    Application().OnException = nullptr;
  }
  HostScope(const HostScope&) = delete;
  HostScope& operator=(const HostScope&) = delete;

  HeadlessHost& operator*() const { return *host_; }
  HeadlessHost* operator->() const { return host_; }

 private:
  HeadlessHost* host_;
};

// Records what happens to controls, as "Name:Event" strings.
class EventLog {
 public:
  void Add(const std::string& entry) { entries_.push_back(entry); }
  const std::vector<std::string>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace kurvex::test
