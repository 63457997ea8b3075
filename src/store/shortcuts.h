// Whether the planner takes its shortcuts by default: replaying and resuming
// simulations, going on with a rotation where an earlier one from the same
// pipe got to, leaving provably clear pipe pieces and tests out, skipping
// runs that provably end like one already simulated, ending a level early
// once nothing more it does is read again. Each gives the same result file
// as doing the work; a build configured with KWAREL_NO_SHORTCUTS does all of
// it (ClashState::shortcuts starts false), and a test compares the two builds
// byte for byte.
#pragma once

namespace kwarel {

#ifdef KWAREL_NO_SHORTCUTS
inline constexpr bool kShortcutsByDefault = false;
#else
inline constexpr bool kShortcutsByDefault = true;
#endif

}  // namespace kwarel
