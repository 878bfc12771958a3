#pragma once

#include <QList>
#include <QObject>

namespace korvane::common {

// An ordered list of value-like QObjects (T must be copy-constructible,
// assignable and comparable). The elements live in a QList, so copies of a
// container share their elements until one of them is modified.
template <typename T> class GenericContainer : public QObject {
public:
    explicit GenericContainer(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    GenericContainer(const GenericContainer& other)
        : QObject(nullptr)
    {
        m_list = other.m_list;
    }

    ~GenericContainer() override = default;

    virtual void clear() { m_list.clear(); }

    // Replaces the elements only: parent and object identity stay.
    virtual void operator=(const GenericContainer& other) { m_list = other.m_list; }

    virtual bool operator!=(const GenericContainer& other) const { return !(*this == other); }

    // QList compares shared storage first, then size and every element in order.
    virtual bool operator==(const GenericContainer& other) const { return m_list == other.m_list; }

    void append(const GenericContainer& other)
    {
        reserve(m_list.size() + other.m_list.size());
        m_list.append(other.m_list);
    }
    GenericContainer& operator+=(const GenericContainer& other)
    {
        append(other);
        return *this;
    }

    void append(const T& value) { m_list.append(value); }
    void push_back(const T& value) { m_list.append(value); }
    GenericContainer& operator+=(const T& value)
    {
        m_list.append(value);
        return *this;
    }

    // Preconditions: a valid index, a non-empty container.
    const T& at(int index) const { return m_list.at(index); }
    T& at(int index) { return m_list[index]; }
    T& first() { return m_list.first(); }
    T& last() { return m_list.last(); }

    int size() const { return m_list.size(); }
    bool isEmpty() const { return m_list.isEmpty(); }

    void reserve(int size)
    {
        // QList::reserve never shrinks, but a request below the size would
        // still detach a shared list for nothing.
        if (size > m_list.size())
            m_list.reserve(size);
    }

    void removeAt(int index)
    {
        if (index < 0 || index >= m_list.size())
            return;
        m_list.removeAt(index);
    }

    T takeAt(int index) { return m_list.takeAt(index); }

    const QList<T>& ref() const { return m_list; }
    QList<T>& ref() { return m_list; }

    // Pointers to the elements, which stay owned by this container.
    QList<T*> ref_ptr()
    {
        QList<T*> pointers;
        pointers.reserve(m_list.size());
        for (int i = 0; i < m_list.size(); ++i)
            pointers.append(&m_list[i]);
        return pointers;
    }

protected:
    QList<T> m_list;
};

} // namespace korvane::common
