// A step that another program can hold up for a moment (a viewer, an indexer or a virus
// scanner that has the file open) is tried again a few times before its failure counts.
#pragma once

namespace dovevar {

// Calls `attempt` until it succeeds, fails in a way `transient` does not forgive, or has
// been tried `tries` times, with `pause` between two tries. Gives the last result.
template <typename Attempt, typename Transient, typename Pause>
auto retryTransient(Attempt&& attempt, Transient&& transient, Pause&& pause, int tries) {
  auto result = attempt();
  for (int tried = 1; tried < tries && !result && transient(result); ++tried) {
    pause();
    result = attempt();
  }
  return result;
}

}  // namespace dovevar
