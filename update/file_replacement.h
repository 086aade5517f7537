#pragma once

#include <string>

namespace update {

// Copies source over destination so that no failure leaves destination changed: the copy goes to
// a name beside it first and then takes destination's place, and any failure on the way (a full
// disk, a source that cannot be read to its end) leaves the old file as it was and no copy
// behind. Only where that name cannot be made at all (past the path limit, or refused by the
// folder) is destination rewritten in place, after the whole source was read and room for it
// made. The result carries the source's attributes, and the copy fails where an overwriting copy
// would (a missing destination folder, a read-only destination).
bool ReplaceWithCopy(const std::string& source, const std::string& destination);

}  // namespace update
