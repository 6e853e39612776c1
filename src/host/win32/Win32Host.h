#pragma once
// The system's host services for quorvel.exe.
#include <windows.h>

#include <functional>
#include <random>

#include "host/Host.h"

namespace quorvel {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() override;
  std::string ShortDate(const LocalTime& when) override;
  double MonotonicSeconds() override;
};

class Win32Random final : public RandomSource {
 public:
  void Seed() override;
  double Next() override;

 private:
  std::mt19937_64 engine_{0};
};

class Win32Pump final : public MessagePump {
 public:
  // What the main loop does with a message before it is dispatched (the
  // dialog keys of the panel's windows); true when that handled it.
  using Router = std::function<bool(MSG&)>;
  void SetRouter(Router route) { route_ = std::move(route); }
  void PumpOnce() override;

 private:
  Router route_;
};

class Win32Dialogs final : public Dialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  DialogAnswer ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                           MessageIcon icon) override;
  std::optional<std::string> AskFile(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> AskColor(std::uint32_t current) override;

 private:
  HWND owner_ = nullptr;
  COLORREF custom_[16] = {};
};

class Win32Shell final : public Shell {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void OpenDocument(const std::string& target) override;
  bool StartProgram(const std::string& path) override;

 private:
  HWND owner_ = nullptr;
};

// "10.0.19045": the version Windows itself reports, not the one a program
// without a compatibility manifest entry is told.
std::string WindowsVersionText();

}  // namespace quorvel
