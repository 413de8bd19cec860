#include "fakes/recording_processes.h"

#include <algorithm>
#include <stdexcept>

namespace dovevar {

bool RecordingProcesses::record(Kind kind, const std::u16string& application, const std::u16string& commandLine) {
  const int number = starts_++;
  const bool fails = application.empty() || missingPrograms.count(application) != 0 ||
                     (failFromStart >= 0 && number >= failFromStart);
  events.push_back({kind, application, commandLine, 0, !fails});
  if (!fails && whileRunning) whileRunning(events.back());
  return !fails;
}

ProcessStart RecordingProcesses::start(const std::u16string& application, const std::u16string& commandLine) {
  const int number = starts_;
  if (!record(Kind::kStart, application, commandLine)) return {false, -1, kNotFound};
  const auto told = behaviours.find(number);
  const Behaviour behaviour = told == behaviours.end() ? Behaviour{defaultMilliseconds, 0, false} : told->second;
  running_.push_back({number, commandLine, behaviour.hangs ? -1 : clock->now_ms + behaviour.milliseconds,
                      behaviour.exitCode});
  mostAtOnce_ = std::max(mostAtOnce_, static_cast<int>(running_.size()));
  return {true, number, {}};
}

ProcessWait RecordingProcesses::waitForEnd(int milliseconds) {
  if (duringWait && duringWait()) return {ProcessWait::Outcome::kStopAsked};
  const auto first = std::min_element(running_.begin(), running_.end(), [](const Running& a, const Running& b) {
    return b.endsAt < 0 || (a.endsAt >= 0 && a.endsAt < b.endsAt);
  });
  const std::int64_t until = milliseconds < 0 ? -1 : clock->now_ms + milliseconds;
  if (first != running_.end() && first->endsAt >= 0 && (until < 0 || first->endsAt <= until)) {
    clock->now_ms = std::max(clock->now_ms, first->endsAt);
    const ProcessWait ended{ProcessWait::Outcome::kEnded, first->id, first->exitCode};
    running_.erase(first);
    return ended;
  }
  if (until < 0) throw std::logic_error("a wait without end: every start hangs");
  if (running_.empty()) events.push_back({Kind::kPause, u"", u"", milliseconds, false});
  clock->now_ms = until;
  return {};
}

void RecordingProcesses::endNow(ProcessId id) {
  const auto found =
      std::find_if(running_.begin(), running_.end(), [id](const Running& running) { return running.id == id; });
  if (found == running_.end()) return;
  events.push_back({Kind::kEndNow, u"", found->commandLine, 0, true});
  running_.erase(found);
}

PortResult RecordingProcesses::startWithoutWait(const std::u16string& program,
                                                const std::u16string& arguments) {
  if (record(Kind::kStartWithoutWait, program, arguments)) return PortResult::success();
  return PortResult::failure(kNotFound);
}

std::vector<RecordingProcesses::Event> RecordingProcesses::runs(Kind kind) const {
  std::vector<Event> found;
  for (const Event& event : events) {
    if (event.kind == kind && event.started) found.push_back(event);
  }
  return found;
}

std::vector<std::u16string> RecordingProcesses::log() const {
  std::vector<std::u16string> lines;
  for (const Event& event : events) {
    switch (event.kind) {
      case Kind::kStart:
        lines.push_back((event.started ? u"run" : u"failed") + event.commandLine);
        break;
      case Kind::kStartWithoutWait:
        lines.push_back((event.started ? u"open " : u"failed open ") + event.application + u" " +
                        event.commandLine);
        break;
      case Kind::kPause: {
        const std::string digits = std::to_string(event.milliseconds);
        lines.push_back(u"pause " + std::u16string(digits.begin(), digits.end()));
        break;
      }
      case Kind::kEndNow:
        lines.push_back(u"end" + event.commandLine);
        break;
    }
  }
  return lines;
}

}  // namespace dovevar
