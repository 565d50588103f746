#pragma once
// Records what the error box would show, so that no modal box ever blocks a test.

#include "shell/error_guard.h"

#include <QStringList>

namespace strs::testing {

class ErrorRecorder {
public:
    ErrorRecorder() {
        SetErrorPresenter([this](const QString& text) { messages.append(text); });
    }
    ~ErrorRecorder() { SetErrorPresenter(nullptr); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList messages;
};

}  // namespace strs::testing
