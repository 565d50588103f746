#include "shell/main_window.h"

// Not yet written: the lab's handlers come with the lab.
namespace strs {
void TForm1::BB3Click() {}
}  // namespace strs
