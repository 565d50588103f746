#pragma once
// The pictures embedded in the program (":/pictures/..."). The shell is a static
// library, so their resource must be registered explicitly before the first use.

namespace strs {

void RegisterPictures();

}  // namespace strs
