import QtQuick 2.15
import QtQuick.Controls 2.15

// Chooses the interface language. It lists English, which the program's texts
// are written in and which therefore needs no catalogue, and every language
// of `languages` (objects with `name` and `code`, such as the application
// section's `languageQmlList`). It starts on `currentCode`.
ChoiceBox {
    id: root

    // When the scene gives none, the application section's list is taken
    // once at completion (that list has no change signal to follow).
    property var languages
    property string currentCode: typeof configuration !== "undefined" && configuration
                                 ? configuration.language : "en"
    readonly property var entries: buildEntries(languages)

    function buildEntries(list) {
        var result = [{ "name": "English", "code": "en" }];
        if (list) {
            for (var i = 0; i < list.length; ++i) {
                var language = list[i];
                if (!language || !language.code)
                    continue;
                var known = false;
                for (var j = 0; j < result.length; ++j)
                    known = known || result[j].code === language.code;
                if (!known)
                    result.push({ "name": language.name ? language.name : language.code, "code": language.code });
            }
        }
        return result;
    }

    function indexOfCode(code) {
        for (var i = 0; i < entries.length; ++i) {
            if (entries[i].code === code)
                return i;
        }
        return -1;
    }

    // The code of the chosen language, as stored in the configuration ("en").
    function getCurrentCode() {
        return currentIndex >= 0 && currentIndex < entries.length ? entries[currentIndex].code : "";
    }

    model: entries
    textRole: "name"
    currentIndex: Math.max(0, indexOfCode(currentCode))

    Component.onCompleted: {
        if (languages === undefined && typeof configuration !== "undefined" && configuration) {
            var list = configuration.languageQmlList;
            var copy = [];
            for (var i = 0; list && i < list.length; ++i)
                copy.push({ "name": list[i].name, "code": list[i].code });
            languages = copy;
        }
    }
}
