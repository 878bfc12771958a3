#include "core/switch/lineassembler.h"

namespace korvane::core {

namespace {
bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}
} // namespace

LineAssembler::LineAssembler()
{
    // Reserved capacity survives resize(0), so the steady state allocates only
    // the lines that are handed out.
    m_pending.reserve(cst_max_line_length);
}

QList<QByteArray> LineAssembler::feed(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    const char* data = bytes.constData();
    const int size = bytes.size();
    int i = 0;
    while (i < size) {
        // Find the end of the run of ordinary bytes starting at i.
        int end = i;
        while (end < size && !isLineEnd(data[end]))
            ++end;
        if (!m_discarding) {
            const int run = end - i;
            if (m_pending.size() + run > cst_max_line_length) {
                m_pending.resize(0);
                m_discarding = true;
                ++m_droppedLines;
            } else {
                m_pending.append(data + i, run);
            }
        }
        if (end == size)
            break;
        // data[end] is a line end: it closes whatever came before it.
        if (m_discarding)
            m_discarding = false;
        else if (!m_pending.isEmpty())
            lines.append(QByteArray(m_pending.constData(), m_pending.size()));
        m_pending.resize(0);
        i = end + 1;
    }
    return lines;
}

QByteArray LineAssembler::flush()
{
    if (m_discarding) {
        m_discarding = false;
        m_pending.resize(0);
        return {};
    }
    QByteArray line(m_pending.constData(), m_pending.size());
    m_pending.resize(0);
    return line;
}

void LineAssembler::clear()
{
    m_pending.resize(0);
    m_discarding = false;
}

} // namespace korvane::core
