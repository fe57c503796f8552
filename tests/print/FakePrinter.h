#pragma once

#include <deque>
#include <memory>
#include <set>
#include <string>

#include "IPrinter.h"
#include "RecordingDrawContext.h"

namespace qb {

// Keeps what each page drew; pages named in failing cannot be started.
class FakePrinter : public IPrinter {
public:
    bool BeginDocument(const std::string& name, DrawSize paper, int copies) override {
        documentName = name;
        documentPaper = paper;
        documentCopies = copies;
        return opens;
    }
    IDrawContext* BeginPage() override {
        ++started;
        if (failing.contains(started))
            return nullptr;
        pages.emplace_back();
        return &pages.back();
    }
    void EndPage() override { ++ended; }
    bool EndDocument() override {
        closed = true;
        return true;
    }
    std::string ErrorString() const override { return std::string(); }

    bool opens = true;
    std::set<int> failing;
    std::string documentName;
    DrawSize documentPaper;
    int documentCopies = 0;
    int started = 0;
    int ended = 0;
    bool closed = false;
    std::deque<RecordingDrawContext> pages;
};

// Hands every call to a printer that outlives the job.
class ForwardingPrinter : public IPrinter {
public:
    explicit ForwardingPrinter(IPrinter& target) : target_(target) {}
    bool BeginDocument(const std::string& name, DrawSize paper, int copies) override {
        return target_.BeginDocument(name, paper, copies);
    }
    IDrawContext* BeginPage() override { return target_.BeginPage(); }
    void EndPage() override { target_.EndPage(); }
    bool EndDocument() override { return target_.EndDocument(); }
    std::string ErrorString() const override { return target_.ErrorString(); }

private:
    IPrinter& target_;
};

}  // namespace qb
