// The process port over kernel32: CreateProcessW and an endless wait for the CAD
// application, CreateProcessW without a wait for Notepad, Sleep for the pauses.
#pragma once

#include "platform/process_port.h"

namespace dovevar::win {

class WinProcesses : public ProcessPort {
 public:
  bool startAndWait(const std::u16string& application, const std::u16string& commandLine) override;
  bool startWithoutWait(const std::u16string& program, const std::u16string& arguments) override;
  void pause(int milliseconds) override;
};

}  // namespace dovevar::win
