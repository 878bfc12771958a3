#pragma once

#include "core/platform/inputinjector.h"
#include "core/platform/inputrecord.h"

#include <memory>
#include <vector>

namespace korvane::core {

// Keeps every record instead of injecting it, so the injection logic can be
// checked without touching the desktop. setFailure makes the following calls
// report that reason, as a platform refusing the input would. The records
// are shared so they can be read after the injector's owner is gone.
class RecordingInputInjector : public InputInjector {
public:
    bool sendKey(int virtualKey, int scanCode, std::uint32_t flags) override;
    bool sendMouse(std::uint32_t flags, std::int32_t wheelData) override;

    const std::vector<InputRecord>& records() const { return *m_records; }
    std::shared_ptr<const std::vector<InputRecord>> sharedRecords() const { return m_records; }
    void clear() { m_records->clear(); }

    void setFailure(std::string reason) { m_failure = std::move(reason); }

private:
    bool result();

    std::shared_ptr<std::vector<InputRecord>> m_records
        = std::make_shared<std::vector<InputRecord>>();
    std::string m_failure;
};

} // namespace korvane::core
