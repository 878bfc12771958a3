#pragma once

#include "datamodel/clicktypeclass.h"
#include "datamodel/korvane_datamodel_export.h"
#include "datamodel/modeclass.h"
#include "datamodel/secondmodeclass.h"
#include "datamodel/secondtriggerclass.h"

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
    // Timing aids, all off by default (0 ms, no latch) so that a channel
    // without them clicks as it always did.
    Q_PROPERTY(int ignoreRepeatsMs READ ignoreRepeatsMs WRITE set_ignoreRepeatsMs NOTIFY
            ignoreRepeatsMsChanged)
    Q_PROPERTY(int holdMs READ holdMs WRITE set_holdMs NOTIFY holdMsChanged)
    Q_PROPERTY(bool latch READ latch WRITE set_latch NOTIFY latchChanged)
    Q_PROPERTY(int acceptanceMs READ acceptanceMs WRITE set_acceptanceMs NOTIFY acceptanceMsChanged)
    // The second action, off by default: what a long or double press does
    // instead of the first action.
    Q_PROPERTY(SecondTrigger secondTrigger READ secondTrigger WRITE set_secondTrigger NOTIFY
            secondTriggerChanged)
    Q_PROPERTY(int longPressMs READ longPressMs WRITE set_longPressMs NOTIFY longPressMsChanged)
    Q_PROPERTY(
        int doublePressMs READ doublePressMs WRITE set_doublePressMs NOTIFY doublePressMsChanged)
    Q_PROPERTY(SecondMode secondMode READ secondMode WRITE set_secondMode NOTIFY secondModeChanged)
    Q_PROPERTY(ClickType secondClickType READ secondClickType WRITE set_secondClickType NOTIFY
            secondClickTypeChanged)
    Q_PROPERTY(int secondKey READ secondKey WRITE set_secondKey NOTIFY secondKeyChanged)
    Q_PROPERTY(int secondModifiers READ secondModifiers WRITE set_secondModifiers NOTIFY
            secondModifiersChanged)

public:
    // Every timing value lies within 0..cst_max_timing_ms.
    static constexpr int cst_max_timing_ms = 5000;
    // How long a press must be held to be a long press, and how soon a
    // second press must follow to make a double press.
    static constexpr int cst_min_long_press_ms = 300;
    static constexpr int cst_default_long_press_ms = 800;
    static constexpr int cst_min_double_press_ms = 150;
    static constexpr int cst_default_double_press_ms = 400;
    static constexpr int cst_max_double_press_ms = 1000;

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
    // A press line within this time after the last accepted one is a tremor,
    // not a command.
    int ignoreRepeatsMs() const { return m_ignoreRepeatsMs; }
    // How long a single line keeps the key or button down; 0 = a click.
    int holdMs() const { return m_holdMs; }
    // One line presses and keeps it down, the next one lets go.
    bool latch() const { return m_latch; }
    // With a release line: a press let go sooner than this does nothing.
    int acceptanceMs() const { return m_acceptanceMs; }
    // True when any timing aid is on.
    bool hasTiming() const;
    SecondTrigger secondTrigger() const { return m_secondTrigger; }
    int longPressMs() const { return m_longPressMs; }
    int doublePressMs() const { return m_doublePressMs; }
    SecondMode secondMode() const { return m_secondMode; }
    ClickType secondClickType() const { return m_secondClickType; }
    int secondKey() const { return m_secondKey; }
    int secondModifiers() const { return m_secondModifiers; }
    // The second action as a channel of its own (a key or mouse action), for
    // the records it produces; mode NONE for the pause and for none.
    ConfigurationChannel secondAction() const;

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
    void set_ignoreRepeatsMs(int milliseconds);
    void set_holdMs(int milliseconds);
    void set_latch(bool latch);
    void set_acceptanceMs(int milliseconds);
    void set_secondTrigger(SecondTrigger trigger);
    void set_longPressMs(int milliseconds);
    void set_doublePressMs(int milliseconds);
    void set_secondMode(SecondMode mode);
    void set_secondClickType(ClickType clickType);
    void set_secondKey(int key);
    void set_secondModifiers(int modifiers);

signals:
    void enabledChanged(bool enabled);
    void modeChanged(Mode mode);
    void clickTypeChanged(ClickType clickType);
    void keyChanged(int key);
    void modifiersChanged(int modifiers);
    void nativeScanCodeChanged(uint nativeScanCode);
    void ignoreRepeatsMsChanged(int milliseconds);
    void holdMsChanged(int milliseconds);
    void latchChanged(bool latch);
    void acceptanceMsChanged(int milliseconds);
    void secondTriggerChanged(SecondTrigger trigger);
    void longPressMsChanged(int milliseconds);
    void doublePressMsChanged(int milliseconds);
    void secondModeChanged(SecondMode mode);
    void secondClickTypeChanged(ClickType clickType);
    void secondKeyChanged(int key);
    void secondModifiersChanged(int modifiers);

private:
    bool m_enabled = false;
    Mode m_mode = ModeClass::MOUSE;
    ClickType m_clickType = ClickTypeClass::LEFT;
    int m_key = 32;
    int m_modifiers = 0;
    uint m_nativeScanCode = 0;
    int m_ignoreRepeatsMs = 0;
    int m_holdMs = 0;
    bool m_latch = false;
    int m_acceptanceMs = 0;
    SecondTrigger m_secondTrigger = SecondTriggerClass::NONE;
    int m_longPressMs = cst_default_long_press_ms;
    int m_doublePressMs = cst_default_double_press_ms;
    SecondMode m_secondMode = SecondModeClass::MOUSE;
    ClickType m_secondClickType = ClickTypeClass::RIGHT;
    int m_secondKey = Qt::Key_Space;
    int m_secondModifiers = 0;
};

} // namespace korvane::datamodel

Q_DECLARE_METATYPE(korvane::datamodel::ConfigurationChannel)
