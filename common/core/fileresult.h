#pragma once

#include <QString>

namespace pellar {

// The outcome of a file operation: logic returns it, forms turn a failure into a message.
struct FileResult {
    bool ok = true;
    QString error; // plain words, naming the file

    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace pellar
