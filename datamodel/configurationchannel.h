#pragma once

#include "datamodel/clicktypeclass.h"
#include "datamodel/korvane_datamodel_export.h"
#include "datamodel/modeclass.h"

#include <QJsonObject>
#include <QMetaType>
#include <QObject>

namespace korvane::datamodel {

// What one switch channel does. A QObject for the scene's bindings that is
// also copied, assigned and compared as a value (copies have no parent and
// none of these operations emit signals).
class KORVANE_DATAMODEL_EXPORT ConfigurationChannel : public QObject {
    Q_OBJECT
    // The scene reaches mode and click type through the meta-type names "Mode"
    // and "ClickType", so the properties are declared with those aliases.
    Q_PROPERTY(bool enabled READ enabled WRITE set_enabled NOTIFY enabledChanged)
    Q_PROPERTY(Mode mode READ mode WRITE set_mode NOTIFY modeChanged)
    Q_PROPERTY(ClickType clickType READ clickType WRITE set_clickType NOTIFY clickTypeChanged)
    Q_PROPERTY(int key READ key WRITE set_key NOTIFY keyChanged)
    Q_PROPERTY(int modifiers READ modifiers WRITE set_modifiers NOTIFY modifiersChanged)
    Q_PROPERTY(uint nativeScanCode READ nativeScanCode WRITE set_nativeScanCode NOTIFY
            nativeScanCodeChanged)

public:
    explicit ConfigurationChannel(QObject* parent = nullptr);
    ConfigurationChannel(const ConfigurationChannel& other);
    ConfigurationChannel& operator=(const ConfigurationChannel& other);
    bool operator==(const ConfigurationChannel& other) const;
    bool operator!=(const ConfigurationChannel& other) const { return !(*this == other); }

    // Registers the meta-type names "Mode" and "ClickType" (idempotent).
    static void registerMetaTypes();

    const bool& enabled() const { return m_enabled; }
    bool& enabled() { return m_enabled; }
    const Mode& mode() const { return m_mode; }
    Mode& mode() { return m_mode; }
    const ClickType& clickType() const { return m_clickType; }
    ClickType& clickType() { return m_clickType; }
    const int& key() const { return m_key; }
    int& key() { return m_key; }
    const int& modifiers() const { return m_modifiers; }
    int& modifiers() { return m_modifiers; }
    const uint& nativeScanCode() const { return m_nativeScanCode; }
    uint& nativeScanCode() { return m_nativeScanCode; }

    Q_INVOKABLE bool isModeMouse() const { return m_mode == ModeClass::MOUSE; }
    Q_INVOKABLE bool isModeKeyboard() const { return m_mode == ModeClass::KEYBOARD; }
    Q_INVOKABLE bool isClickLeft() const { return m_clickType == ClickTypeClass::LEFT; }
    Q_INVOKABLE bool isClickRight() const { return m_clickType == ClickTypeClass::RIGHT; }
    Q_INVOKABLE bool isClickMiddle() const { return m_clickType == ClickTypeClass::MIDDLE; }
    Q_INVOKABLE bool isDoubleClick() const { return m_clickType == ClickTypeClass::DOUBLE; }
    Q_INVOKABLE bool isScrollUp() const { return m_clickType == ClickTypeClass::SCROLLUP; }
    Q_INVOKABLE bool isScrollDown() const { return m_clickType == ClickTypeClass::SCROLLDOWN; }

public slots:
    virtual void read(const QJsonObject& object);
    virtual QJsonObject write() const;

    void set_enabled(bool enabled);
    void set_mode(Mode mode);
    void set_clickType(ClickType clickType);
    void set_key(int key);
    void set_modifiers(int modifiers);
    void set_nativeScanCode(uint nativeScanCode);

signals:
    void enabledChanged(bool enabled);
    void modeChanged(Mode mode);
    void clickTypeChanged(ClickType clickType);
    void keyChanged(int key);
    void modifiersChanged(int modifiers);
    void nativeScanCodeChanged(uint nativeScanCode);

private:
    bool m_enabled = false;
    Mode m_mode = ModeClass::MOUSE;
    ClickType m_clickType = ClickTypeClass::LEFT;
    int m_key = 32;
    int m_modifiers = 0;
    uint m_nativeScanCode = 0;
};

} // namespace korvane::datamodel

Q_DECLARE_METATYPE(korvane::datamodel::ConfigurationChannel)
