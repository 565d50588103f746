#include "shell/main_window.h"

// Not yet written: the lab's handlers come with the lab.
namespace strs {
void TForm1::RG2Click() {}
void TForm1::BitBtn1Click() {}
}  // namespace strs
