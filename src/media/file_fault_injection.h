// A test hook of the crash-safe writer: simulates a device that fails part-way through a write
// (a full disk, a pulled drive), so tests can show the old file survives. Not for game code.
#pragma once

namespace media_internal {

// The next writes fail once this many bytes of the temporary file are written; -1 turns the
// simulation off (the default).
void FailWritesAfterBytes(long long bytes);

}  // namespace media_internal
