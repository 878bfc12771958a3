#include "datamodel/configuration.h"

#include "common/exception.h"
#include "common/translator.h"

#include <QJsonParseError>

namespace korvane::datamodel {

namespace {

const QLatin1String cst_configuration("configuration");
const QLatin1String cst_application("application");
const QLatin1String cst_switch("switch");

} // namespace

Configuration::Configuration()
    : m_application(nullptr)
    , m_switch(nullptr)
{
}

Configuration& Configuration::operator=(const Configuration& other)
{
    m_application = other.m_application;
    m_switch = other.m_switch;
    return *this;
}

Configuration& Configuration::operator=(Configuration&& other)
{
    m_application = other.m_application;
    m_switch = other.m_switch;
    return *this;
}

void Configuration::set_configurationApplication(const ConfigurationApplication& application)
{
    m_application = application;
}

void Configuration::set_configurationSwitch(const ConfigurationSwitch& configurationSwitch)
{
    m_switch = configurationSwitch;
}

void Configuration::read(const QJsonObject& object)
{
    if (object.contains(cst_application))
        m_application.read(object.value(cst_application).toObject());
    if (object.contains(cst_switch))
        m_switch.read(object.value(cst_switch).toObject());
}

QJsonObject Configuration::write() const
{
    QJsonObject object;
    object.insert(cst_application, m_application.write());
    object.insert(cst_switch, m_switch.write());
    return object;
}

bool Configuration::fromJson(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // One arg() call for both markers, so a "%" in the parser's text is not
        // taken for a marker.
        throw korvane::common::Exception(
            korvane::Translator::tr("offset %1 - %2")
                .arg(QString::number(error.offset), error.errorString()));
    }
    read(document.object().value(cst_configuration).toObject());
    return true;
}

QByteArray Configuration::toJson(QJsonDocument::JsonFormat format) const
{
    QJsonObject root;
    root.insert(cst_configuration, write());
    return QJsonDocument(root).toJson(format);
}

} // namespace korvane::datamodel
