#pragma once

#include "platform/PrinterService.h"

#include <memory>
#include <string>
#include <vector>

namespace pellucors::test {

// A printer that writes each call as one line of text into `journal`, e.g.
// "font Courier", "size 22", "empty", "line |col 12|Larkmoor| |...", "end".
// `failAt` makes the n-th call (0-based) throw a PrinterError.
class RecordingPrinter final : public PrinterService {
public:
    explicit RecordingPrinter(std::vector<std::string>& journal, int failAt = -1)
        : m_journal(journal), m_failAt(failAt) {}

    void SetFontName(const std::string& name) override { Record("font " + name); }
    void SetFontSize(double points) override {
        Record("size " + std::to_string(static_cast<int>(points)));
    }
    void PrintLine(const std::vector<PrintItem>& items) override {
        std::string line = "line ";
        for (const PrintItem& item : items) {
            switch (item.kind) {
            case PrintItem::Kind::Column:
                line += "|col " + std::to_string(item.count);
                break;
            case PrintItem::Kind::Spaces:
                line += "|sp " + std::to_string(item.count);
                break;
            case PrintItem::Kind::Text:
                line += "|" + item.text;
                break;
            }
        }
        Record(line);
    }
    void PrintEmptyLine() override { Record("empty"); }
    void EndDocument() override { Record("end"); }

private:
    void Record(const std::string& entry) {
        if (m_calls++ == m_failAt)
            throw PrinterError("The printer \"Test\" could not finish the document.");
        m_journal.push_back(entry);
    }

    std::vector<std::string>& m_journal;
    int m_failAt;
    int m_calls = 0;
};

} // namespace pellucors::test
