#pragma once

#include "game/common/CageRules.h"

#include <string>

class ResourceStream;

namespace Pemberquill {

// Pieces shared by the request, descriptor, recipe and progress records.

// Blocks are braces in the text forms and nothing in binary.
void ReadRecordBlockBegin(ResourceStream& stream);
void ReadRecordBlockEnd(ResourceStream& stream);

// Ten bools in rule order (Equals first, NoOp last), each labelled with
// labelPrefix and the rule's name: "Cage rule: Equals", "Use Equals", ...
void WriteCageRulesFlags(ResourceStream& stream, const CageRules& rules, const char* labelPrefix);
void ReadCageRulesFlags(ResourceStream& stream, CageRules& rules);

// Reads an int32 count and refuses anything outside 0..maxCount, or more
// items than the bytes left in the stream could hold (each takes at least
// one), with an UlvoException that names the record and quotes the read
// position, so that a damaged file never drives a loop or an allocation.
int ReadRecordCount(ResourceStream& stream, int maxCount, const std::string& whatIsCounted,
                    const char* recordTitle);

} // namespace Pemberquill
