#pragma once

#include "common/exception.h"
#include "datamodel/configurationapplication.h"
#include "datamodel/configurationswitch.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvane::datamodel {

// The whole configuration document ("korvane.json"). Reading a second
// document into the same object overlays it on the first, key by key.
class KORVANE_DATAMODEL_EXPORT Configuration {
public:
    Configuration();
    Configuration(const Configuration&) = delete;
    // Both assign the sections in place, so objects the scene holds stay valid.
    Configuration& operator=(const Configuration& other);
    Configuration& operator=(Configuration&& other);

    const ConfigurationApplication& get_configurationApplication() const { return m_application; }
    ConfigurationApplication& get_configurationApplication() { return m_application; }
    void set_configurationApplication(const ConfigurationApplication& application);

    const ConfigurationSwitch& get_configurationSwitch() const { return m_switch; }
    ConfigurationSwitch& get_configurationSwitch() { return m_switch; }
    void set_configurationSwitch(const ConfigurationSwitch& configurationSwitch);

    // obj is the object found under "configuration"; a missing section is kept.
    void read(const QJsonObject& object);
    QJsonObject write() const;

    // Reads a whole file's bytes. Throws korvane::common::Exception with
    // "offset <n> - <reason>" on a syntax error, leaving the document as it was;
    // returns true otherwise.
    bool fromJson(const QByteArray& bytes);
    QByteArray toJson(QJsonDocument::JsonFormat format = QJsonDocument::Indented) const;

private:
    ConfigurationApplication m_application;
    ConfigurationSwitch m_switch;
};

} // namespace korvane::datamodel
