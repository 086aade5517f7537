#pragma once

#include <string>

namespace update {

// Copies source over destination so that destination is never left half-written: the copy goes to
// a name beside it first and then takes destination's place. Where that name cannot be made (it
// would pass the path limit, or the folder takes no new file) the copy goes straight over the
// destination, so this never refuses what an overwriting copy would do. A failure leaves no copy
// behind. The result carries the source's attributes, and the copy fails where an overwriting copy
// would (a read-only or missing destination folder, a read-only destination).
bool ReplaceWithCopy(const std::string& source, const std::string& destination);

}  // namespace update
