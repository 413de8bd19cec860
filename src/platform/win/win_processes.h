// The process port over kernel32: CreateProcessW and a wait for the CAD application
// (endless, or ended by TerminateProcess at a time limit), CreateProcessW without a wait for Notepad, Sleep for the pauses.
#pragma once

#include "platform/process_port.h"

namespace dovevar::win {

class WinProcesses : public ProcessPort {
 public:
  ProcessRun startAndWait(const std::u16string& application, const std::u16string& commandLine,
                          int timeLimitSeconds) override;
  PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) override;
  void pause(int milliseconds) override;
};

}  // namespace dovevar::win
