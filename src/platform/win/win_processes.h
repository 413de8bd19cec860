// The process port over kernel32: CreateProcessW, each CAD start in a job object of its
// own so that ending it ends all it started; waits that attend to the thread's messages
// (every message when the window asks for it, else only what other programs send) and,
// for a night run, to the event by which "/stop" asks it to stop; CreateProcessW without
// a wait for Notepad.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "platform/process_port.h"

namespace dovevar::win {

class WinProcesses : public ProcessPort {
 public:
  WinProcesses() = default;
  WinProcesses(const WinProcesses&) = delete;
  WinProcesses& operator=(const WinProcesses&) = delete;
  ~WinProcesses() override;

  // The window's messages are handled while a wait goes on, by this function, which
  // takes every message waiting; without it only sent messages are answered.
  void setMessageHandler(std::function<void()> handler) { handle_messages_ = std::move(handler); }
  // A wait comes back with a stop asked when this event is set.
  void setStopEvent(HANDLE event) { stop_event_ = event; }

  ProcessStart start(const std::u16string& application, const std::u16string& commandLine) override;
  ProcessWait waitForEnd(int milliseconds) override;
  void endNow(ProcessId id) override;
  PortResult startWithoutWait(const std::u16string& program, const std::u16string& arguments) override;

 private:
  struct Watched {
    ProcessId id;
    HANDLE process;
    HANDLE job;  // null when the system refused a job
  };
  void forget(std::size_t index);

  std::vector<Watched> watched_;
  ProcessId next_id_ = 1;
  std::function<void()> handle_messages_;
  HANDLE stop_event_ = nullptr;
};

}  // namespace dovevar::win
