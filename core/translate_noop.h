#pragma once
// Marks a text of the Qt-free code for translation without translating it: the text
// stays as written here, and the window looks up its translation where it shows it
// (QCoreApplication::translate with the same context). The translation tools know this
// macro as QT_TRANSLATE_NOOP.

#define STRS_TRANSLATE_NOOP(context, text) text
