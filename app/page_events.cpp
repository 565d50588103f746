#include "app/page_events.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include <emscripten.h>

namespace {

EM_JS(void, AppendStartupStep, (const char* step), {
    const text = UTF8ToString(step);
    (globalThis.strsStartup = globalThis.strsStartup || []).push(text);
    globalThis.dispatchEvent(new CustomEvent("strs-startup", {detail: text}));
});

}  // namespace

void strs::TellPage(const char* step) { AppendStartupStep(step); }
#else
void strs::TellPage(const char*) {}
#endif
