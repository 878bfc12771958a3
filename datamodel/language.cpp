#include "datamodel/language.h"

namespace korvane::datamodel {

Language::Language(QObject* parent)
    : QObject(parent)
    , m_name(QLatin1String(""))
    , m_code(QLatin1String(""))
    , m_fileName(QLatin1String(""))
{
}

Language::Language(const Language& other)
    : QObject(nullptr)
    , m_name(other.m_name)
    , m_code(other.m_code)
    , m_fileName(other.m_fileName)
{
}

Language& Language::operator=(const Language& other)
{
    m_name = other.m_name;
    m_code = other.m_code;
    m_fileName = other.m_fileName;
    return *this;
}

bool Language::operator==(const Language& other) const
{
    return m_name == other.m_name && m_code == other.m_code && m_fileName == other.m_fileName;
}

void Language::clean()
{
    m_name = QLatin1String("");
    m_code = QLatin1String("");
    m_fileName = QLatin1String("");
}

void Language::read(const QJsonObject& object)
{
    if (object.contains(QLatin1String("id")))
        m_code = object.value(QLatin1String("id")).toString();
    if (object.contains(QLatin1String("name")))
        m_name = object.value(QLatin1String("name")).toString();
    if (object.contains(QLatin1String("fileName")))
        m_fileName = object.value(QLatin1String("fileName")).toString();
}

QJsonObject Language::write() const
{
    QJsonObject object;
    object.insert(QLatin1String("id"), m_code);
    object.insert(QLatin1String("name"), m_name);
    object.insert(QLatin1String("fileName"), m_fileName);
    return object;
}

void Language::setName(QString name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit nameChanged(m_name);
}

void Language::setCode(QString code)
{
    if (m_code == code)
        return;
    m_code = code;
    emit codeChanged(m_code);
}

void Language::setFileName(QString fileName)
{
    if (m_fileName == fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

} // namespace korvane::datamodel
