#include "shell/main_window.h"

// Not yet written: the lab's handlers come with the lab.
namespace strs {
void TForm1::RG4Click() {}
void TForm1::BitBtn2Click() {}
}  // namespace strs
