#pragma once

#include "common/genericcontainer.h"

#include <QJsonArray>
#include <QJsonObject>

namespace korvane::common {

// A GenericContainer that reads and writes itself as {"array": [...]}, each
// element in its own object form. T must offer read(QJsonObject) and write().
template <typename T> class GenericContainerJson : public GenericContainer<T> {
public:
    GenericContainerJson()
        : GenericContainer<T>(nullptr)
    {
    }

    GenericContainerJson(const GenericContainerJson& other)
        : GenericContainer<T>(other)
    {
    }

    GenericContainerJson& operator=(const GenericContainerJson& other)
    {
        GenericContainer<T>::operator=(other);
        return *this;
    }

    virtual void read(const QJsonObject& object)
    {
        this->clear();
        const QJsonArray array = object.value(QLatin1String("array")).toArray();
        this->reserve(array.size());
        for (const QJsonValue& value : array) {
            T element(nullptr);
            element.read(value.toObject());
            this->append(element);
        }
    }

    virtual QJsonObject write() const
    {
        QJsonArray array;
        for (const T& element : this->m_list)
            array.append(element.write());
        QJsonObject object;
        object.insert(QLatin1String("array"), array);
        return object;
    }
};

} // namespace korvane::common
