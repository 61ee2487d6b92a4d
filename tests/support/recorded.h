#pragma once
// What a test double recorded: a list whose reads by position fail the test, saying what was
// recorded, rather than ending the test program when an entry a test expects is missing (the
// rest of its cases then still run). A missing entry reads as a blank one.

#include <QList>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <type_traits>

namespace pellar::testing {

// How an entry is named in the failure: a message by its title, a text as itself.
template <typename T> std::string recordedName(const T& entry) {
    if constexpr (requires { entry.title; })
        return entry.title.toStdString();
    else if constexpr (requires { entry.text; })
        return entry.text.toStdString();
    else if constexpr (std::is_same_v<T, QString>)
        return entry.toStdString();
    else
        return "…";
}

template <typename T> class Recorded : public QList<T> {
public:
    using QList<T>::QList;
    Recorded() = default;
    Recorded(QList<T> list)
        : QList<T>(std::move(list)) {}

    const T& operator[](qsizetype i) const { return checked(i); }
    const T& at(qsizetype i) const { return checked(i); }
    const T& first() const { return checked(0); }
    const T& front() const { return checked(0); }
    const T& constFirst() const { return checked(0); }
    const T& last() const { return checked(this->size() - 1); }
    const T& back() const { return checked(this->size() - 1); }
    const T& constLast() const { return checked(this->size() - 1); }

private:
    const T& checked(qsizetype i) const {
        if (i >= 0 && i < this->size())
            return QList<T>::at(i);
        std::string names;
        for (const T& entry : *this)
            names += (names.empty() ? "" : " | ") + recordedName(entry);
        ADD_FAILURE() << "entry " << i << " was read, but " << this->size()
                      << " were recorded: " << names;
        return blank();
    }
    // A shared pointer reads as one to a blank entry, never as a null one.
    static const T& blank() {
        static const T empty = [] {
            if constexpr (requires { typename T::element_type; })
                return std::make_shared<typename T::element_type>();
            else
                return T{};
        }();
        return empty;
    }
};

} // namespace pellar::testing
