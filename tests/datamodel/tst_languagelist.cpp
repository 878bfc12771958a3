// Languages: the catalogue folder scan, the generic containers under the list,
// and their JSON form.
#include "datamodel/languagelist.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvane::datamodel;

namespace {

Language language(
    const QString& code, const QString& name = QString(), const QString& fileName = QString())
{
    Language result;
    result.setCode(code);
    result.setName(name);
    result.setFileName(fileName);
    return result;
}

bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

} // namespace

class TestLanguageList : public QObject {
    Q_OBJECT

private slots:
    void loadDirectory_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("catalogue among others")
            << QStringList { "korvane_fr.qm", "qt_fr.qm", "notes.txt" } << QStringList { "fr" }
            << QStringList { "Français" };
        QTest::newRow("no suffix")
            << QStringList { "korvane_fr" } << QStringList { "fr" } << QStringList { "Français" };
        QTest::newRow("country part") << QStringList { "korvane_pt_BR.qm" }
                                      << QStringList { "pt_BR" } << QStringList { "Português" };
        // Every ".qm" is cut out, leaving a code that names no language: the
        // locale library falls back to its "C" language.
        QTest::newRow("suffix only containing qm")
            << QStringList { "korvane_de.qmx" } << QStringList { "dex" } << QStringList { "C" };
        QTest::newRow("suffix in capitals skipped")
            << QStringList { "korvane_fr.QM" } << QStringList {} << QStringList {};
        QTest::newRow("name in capitals skipped")
            << QStringList { "KORVANE_fr.qm" } << QStringList {} << QStringList {};
        QTest::newRow("other suffix skipped")
            << QStringList { "korvane_fr.ts", "korvane.json" } << QStringList {} << QStringList {};
        QTest::newRow("sorted by name, case-sensitive")
            << QStringList { "korvane_fr.qm", "korvane_de.qm", "korvane_es.qm" }
            << QStringList { "de", "es", "fr" }
            << QStringList { "Deutsch", "Español de España", "Français" };
        QTest::newRow("empty folder") << QStringList {} << QStringList {} << QStringList {};
    }

    void loadDirectory()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, names);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const QString& file : files)
            QVERIFY(touch(folder.filePath(file)));
        // A sub-folder that looks like a catalogue is never listed.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("korvane_it.qm")));

        LanguageList list;
        list.loadDirectory(folder.path());
        QCOMPARE(list.size(), codes.size());
        QCOMPARE(list.nameList(), names);
        for (int i = 0; i < list.size(); ++i) {
            QCOMPARE(list.at(i).getCode(), codes.at(i));
            const QString fileName = list.at(i).getFileName();
            QVERIFY(QFileInfo(fileName).isAbsolute());
            QVERIFY(QFileInfo(fileName).isFile());
            QCOMPARE(QFileInfo(fileName).dir(), QDir(folder.path()));
        }
    }

    void loadDirectoryTwiceDuplicates()
    {
        QTemporaryDir folder;
        QVERIFY(touch(folder.filePath(QStringLiteral("korvane_fr.qm"))));
        QVERIFY(touch(folder.filePath(QStringLiteral("korvane_de.qm"))));
        LanguageList list;
        list.loadDirectory(folder.path());
        list.loadDirectory(folder.path());
        QCOMPARE(list.nameList(), (QStringList { "Deutsch", "Français", "Deutsch", "Français" }));
        QVERIFY(list.at(0) == list.at(2));
    }

    void loadMissingFolderKeepsList()
    {
        LanguageList list;
        list.append(language(QStringLiteral("fr"), QStringLiteral("French")));
        list.loadDirectory(QDir(qEnvironmentVariable("KORVANE_TEST_ROOT", QDir::tempPath()))
                               .filePath(QStringLiteral("no-such-folder")));
        QCOMPARE(list.size(), 1);
        list.loadDirectory(QString());
        QCOMPARE(list.size(), 1);
    }

    void languageValue()
    {
        Language empty;
        QVERIFY(!empty.name().isNull());
        QVERIFY(
            empty.name().isEmpty() && empty.getCode().isEmpty() && empty.getFileName().isEmpty());

        QObject parent;
        Language french(&parent);
        QSignalSpy codeSpy(&french, &Language::codeChanged);
        french.setCode(QStringLiteral("fr"));
        french.setCode(QStringLiteral("fr"));
        QCOMPARE(codeSpy.count(), 1);
        QCOMPARE(codeSpy.at(0).at(0).toString(), QStringLiteral("fr"));

        const Language copy(french);
        QVERIFY(copy.parent() == nullptr);
        QVERIFY(copy == french);
        Language target;
        QSignalSpy nameSpy(&target, &Language::nameChanged);
        target = french;
        QVERIFY(target == french);
        QCOMPARE(nameSpy.count(), 0);
        target.clean();
        QVERIFY(target != french);
        QVERIFY(target == Language());
    }

    void languageJson_data()
    {
        QTest::addColumn<QJsonObject>("input");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("all keys") << QJsonObject { { "id", "fr" }, { "name", "French" },
            { "fileName", "/x/korvane_fr.qm" } }
                                  << "fr"
                                  << "French"
                                  << "/x/korvane_fr.qm";
        QTest::newRow("absent keys keep values") << QJsonObject {} << "de"
                                                 << "German"
                                                 << "/x/de.qm";
        QTest::newRow("wrong types empty the value")
            << QJsonObject { { "id", 3 }, { "name", true } } << ""
            << ""
            << "/x/de.qm";
    }

    void languageJson()
    {
        QFETCH(QJsonObject, input);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        Language target
            = language(QStringLiteral("de"), QStringLiteral("German"), QStringLiteral("/x/de.qm"));
        target.read(input);
        QCOMPARE(target.getCode(), code);
        QCOMPARE(target.name(), name);
        QCOMPARE(target.getFileName(), fileName);
        QCOMPARE(target.write(),
            (QJsonObject { { "id", code }, { "name", name }, { "fileName", fileName } }));
    }

    void containerEquality()
    {
        LanguageList a;
        a.append(language(QStringLiteral("fr")));
        a.append(language(QStringLiteral("de")));
        LanguageList sameOrder;
        sameOrder += language(QStringLiteral("fr"));
        sameOrder.push_back(language(QStringLiteral("de")));
        LanguageList otherOrder;
        otherOrder.append(language(QStringLiteral("de")));
        otherOrder.append(language(QStringLiteral("fr")));
        QVERIFY(a == sameOrder);
        QVERIFY(!(a != sameOrder));
        QVERIFY(a != otherOrder);
        const LanguageList copy(a);
        QVERIFY(copy == a);
        LanguageList shorter;
        shorter.append(language(QStringLiteral("fr")));
        QVERIFY(shorter != a);
    }

    void containerCopiesAreIndependent()
    {
        LanguageList a;
        a.append(language(QStringLiteral("fr")));
        LanguageList b(a);
        b.at(0).setCode(QStringLiteral("es"));
        QCOMPARE(a.at(0).getCode(), QStringLiteral("fr"));
        QCOMPARE(b.at(0).getCode(), QStringLiteral("es"));

        LanguageList moved(std::move(b));
        QCOMPARE(moved.size(), 1);
        LanguageList assigned;
        assigned = moved;
        QCOMPARE(assigned, moved);
        assigned = std::move(moved);
        QCOMPARE(assigned.at(0).getCode(), QStringLiteral("es"));
    }

    void containerOperations()
    {
        LanguageList list;
        QVERIFY(list.isEmpty());
        list.append(language(QStringLiteral("a")));
        list.append(language(QStringLiteral("b")));
        list.append(language(QStringLiteral("c")));
        LanguageList other;
        other.append(language(QStringLiteral("d")));
        list += other;
        list.append(other);
        QCOMPARE(list.size(), 5);
        QCOMPARE(list.first().getCode(), QStringLiteral("a"));
        QCOMPARE(list.last().getCode(), QStringLiteral("d"));

        list.removeAt(-1);
        list.removeAt(list.size());
        QCOMPARE(list.size(), 5);
        list.removeAt(4);
        QCOMPARE(list.size(), 4);

        const Language taken = list.takeAt(1);
        QCOMPARE(taken.getCode(), QStringLiteral("b"));
        QCOMPARE(list.size(), 3);

        const QList<Language*> pointers = list.ref_ptr();
        QCOMPARE(pointers.size(), 3);
        QCOMPARE(pointers.at(1), &list.at(1));
        QCOMPARE(list.ref().size(), 3);

        list.reserve(1);
        QCOMPARE(list.size(), 3);
        list.clear();
        QVERIFY(list.isEmpty());
    }

    void containerJson()
    {
        LanguageList list;
        list.append(language(QStringLiteral("de"), QStringLiteral("German")));
        list.read(QJsonObject { { "array", QJsonArray { QJsonObject { { "id", "fr" } } } } });
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0).getCode(), QStringLiteral("fr"));
        QCOMPARE(list.at(0).name(), QString());
        QCOMPARE(list.at(0).getFileName(), QString());

        LanguageList written;
        written.append(
            language(QStringLiteral("fr"), QStringLiteral("French"), QStringLiteral("/f")));
        written.append(
            language(QStringLiteral("de"), QStringLiteral("German"), QStringLiteral("/g")));
        const QJsonObject json = written.write();
        QCOMPARE(json.value("array").toArray().size(), 2);
        QCOMPARE(json.value("array").toArray().at(1).toObject().value("id").toString(),
            QStringLiteral("de"));
        LanguageList back;
        back.read(json);
        QCOMPARE(back, written);

        // Anything but an array empties the list; non-object elements read as empty.
        back.read(QJsonObject { { "array", "x" } });
        QVERIFY(back.isEmpty());
        back.read(QJsonObject { { "array", QJsonArray { 1 } } });
        QCOMPARE(back.size(), 1);
        QVERIFY(back.at(0) == Language());
    }
};

QTEST_GUILESS_MAIN(TestLanguageList)
#include "tst_languagelist.moc"
