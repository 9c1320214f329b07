#pragma once
// The game's chat log: a player who delves an item (shift-I) while logging
// gets its description between "<Begin Info: NAME>" and "<End Info>", each
// line perhaps behind a "[HH:MM:SS] " stamp. Every such block becomes an
// item; the same item delved twice is returned twice.
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

// True when the first bytes of a file look like a chat log: its "*** Chat
// Log" line or a delve block.
bool LooksLikeChatLog(std::string_view head);

// Reads every delve block of text. SourceId is the line number of the
// block's first line. A block past 4 KiB is left out with a line in the
// tally, and reading goes on.
Result<ReadOutcome> ReadChatLog(std::string_view text, ReadContext& context);

}  // namespace qm
