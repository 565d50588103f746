#pragma once
// A lab page on its own, in a top-level host that carries the window's font and colour
// as the main window does, so that captions size themselves as they do there.

#include "shell/ui_texts.h"

#include <QWidget>

namespace strs::testing {

template <typename Page>
class PageHost : public QWidget {
public:
    PageHost() {
        setFont(WindowFont());
        PaintWindowColour(this);
        resize(693, 479);
        page_ = new Page(this);
    }

    Page& page() const { return *page_; }

private:
    Page* page_;
};

}  // namespace strs::testing
