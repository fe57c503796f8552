#pragma once

#include <memory>

#include "IDocumentView.h"
#include "NullDocumentView.h"

namespace qb {

// The window the commands talk to, once one has registered; until then and
// after it has gone, a view that shows nothing.
class ViewLink {
public:
    ViewLink() : null_(std::make_unique<NullDocumentView>()), view_(null_.get()) {}
    ViewLink(const ViewLink&) = delete;
    ViewLink& operator=(const ViewLink&) = delete;

    IDocumentView& View() const { return *view_; }
    void Set(IDocumentView* view) { view_ = view ? view : null_.get(); }

private:
    std::unique_ptr<IDocumentView> null_;
    IDocumentView* view_;
};

}  // namespace qb
