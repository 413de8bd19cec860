#include "fakes/recording_processes.h"

namespace dovevar {

bool RecordingProcesses::start(Kind kind, const std::u16string& application,
                               const std::u16string& commandLine) {
  const int number = starts_++;
  const bool fails = application.empty() || missingPrograms.count(application) != 0 ||
                     (failFromStart >= 0 && number >= failFromStart);
  events.push_back({kind, application, commandLine, 0, !fails});
  if (!fails && whileRunning) whileRunning(events.back());
  return !fails;
}

ProcessRun RecordingProcesses::startAndWait(const std::u16string& application,
                                            const std::u16string& commandLine, int timeLimitSeconds) {
  const int number = starts_;
  ProcessRun run;
  run.started = start(Kind::kStartAndWait, application, commandLine);
  events.back().timeLimitSeconds = timeLimitSeconds;
  if (!run.started) {
    run.error = kNotFound;
    return run;
  }
  const auto told = outcomes.find(number);
  if (told == outcomes.end()) return run;
  ProcessRun given = told->second;
  given.started = true;
  return given;
}

PortResult RecordingProcesses::startWithoutWait(const std::u16string& program,
                                                const std::u16string& arguments) {
  if (start(Kind::kStartWithoutWait, program, arguments)) return PortResult::success();
  return PortResult::failure(kNotFound);
}

void RecordingProcesses::pause(int milliseconds) {
  events.push_back({Kind::kPause, u"", u"", milliseconds, false});
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
      case Kind::kStartAndWait:
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
    }
  }
  return lines;
}

}  // namespace dovevar
