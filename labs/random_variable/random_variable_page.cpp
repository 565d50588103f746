#include "shell/main_window.h"

// Not yet written: the lab's handlers come with the lab.
namespace strs {
void TForm1::CB1Change() {}
void TForm1::BB1Click() {}
}  // namespace strs
