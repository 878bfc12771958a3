#pragma once

#include <QMetaObject>
#include <QtGlobal>

namespace korvane::shell {

// Where the program's messages go (its log lines and the scene's console
// lines): to the handler that was in place, in the same format, but not in
// the middle of handling an event. Debug and info lines of the GUI thread wait
// until its event loop is about to sleep, so writing them never stands between
// a switch press and the key it sends. Warnings and worse, lines of other
// threads and a long backlog go out at once, after what waits, so the order
// stays. Lines of an event that crashes the program are lost with it.
// One at a time, for the life of an application object.
class MessageOutput {
public:
    MessageOutput();
    // Writes what waits and gives the previous handler back.
    ~MessageOutput();
    MessageOutput(const MessageOutput&) = delete;
    MessageOutput& operator=(const MessageOutput&) = delete;

    // Writes what waits now.
    static void flush();

    static constexpr int cst_max_waiting = 64;

private:
    QMetaObject::Connection m_sleeping;
};

} // namespace korvane::shell
