#pragma once

#include "core/korvane_core_export.h"

#include <QByteArray>
#include <QList>

namespace korvane::core {

// Reassembles the lines of a switch device from the bytes it sends, however the
// serial driver chops them up: at 9600 baud a line usually arrives one byte per
// read. LF, CR and CR LF all end a line; empty lines are skipped. A line that
// grows past cst_max_line_length is dropped up to its line end, so a device
// that streams garbage can neither exhaust memory nor shift later lines.
class KORVANE_CORE_EXPORT LineAssembler {
public:
    static constexpr int cst_max_line_length = 1024;

    LineAssembler();

    // Takes the next bytes and returns the lines they complete, without line ends.
    QList<QByteArray> feed(const QByteArray& bytes);

    // Takes the pending partial line as complete: for devices that send no line
    // end at all. Returns it, or an empty array when there is none (or when the
    // pending bytes belonged to an over-long line, which is dropped).
    QByteArray flush();

    // Forgets everything received so far (new port, lost device).
    void clear();

    // True while bytes wait for a line end (including an over-long line being skipped).
    bool hasPending() const { return !m_pending.isEmpty() || m_discarding; }
    int pendingSize() const { return m_pending.size(); }
    int capacity() const { return m_pending.capacity(); }

    // Number of over-long lines dropped since construction.
    int droppedLines() const { return m_droppedLines; }

private:
    QByteArray m_pending;
    bool m_discarding = false;
    int m_droppedLines = 0;
};

} // namespace korvane::core
