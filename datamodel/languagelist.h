#pragma once

#include "common/genericcontainerjson.h"
#include "datamodel/korvane_datamodel_export.h"
#include "datamodel/language.h"

#include <QMetaType>
#include <QStringList>

namespace korvane::datamodel {

// The translation catalogues found on disk, in folder order.
class KORVANE_DATAMODEL_EXPORT LanguageList
    : public korvane::common::GenericContainerJson<Language> {
public:
    LanguageList();
    LanguageList(const LanguageList& other);
    LanguageList(LanguageList&& other) noexcept;
    ~LanguageList() override;
    LanguageList& operator=(const LanguageList& other);
    LanguageList& operator=(LanguageList&& other) noexcept;

    // Appends one element per catalogue of the folder; the list is not cleared
    // first, so a second call lists every catalogue again.
    void loadDirectory(const QString& path);
    QStringList nameList() const;
};

} // namespace korvane::datamodel

Q_DECLARE_METATYPE(korvane::datamodel::LanguageList)
