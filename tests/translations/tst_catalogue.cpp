// The French catalogue that the program embeds: every message of the shipped
// catalogue must come back in French under its own context, and only there.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <iterator>

namespace {

struct Message {
    const char* context;
    const char* source;
    const char* french;
};

const Message cstCatalogue[] = {
    { "main", "%1 is paused", "%1 est en pause" },
    { "main", "%1 is paused.", "%1 est en pause." },
    { "main", "%1 is running ...", "%1 est en cours d'exécution ..." },
    { "main", "Cannot start %1 !", "Impossible de démarrer %1 !" },
    { "main", "Pause", "Pause" },
    { "main", "Quit", "Quitter" },
    { "main", "Settings", "Paramètres" },
    { "main", "Start", "Démarrer" },
    { "main", "", "" },
    { "PageWelcome", "About", "À propos" },
    { "PageWelcome", "Exit", "Quitter" },
    { "PageWelcome", "Settings", "Paramètres" },
    { "PageWelcome", "Left Channel", "Canal gauche" },
    { "PageWelcome", "Port", "Port" },
    { "PageWelcome", "Process is running", "Le processus est en cours d'exécution" },
    { "PageWelcome", "Process is stopped", "Le processus est arrêté" },
    { "PageWelcome", "Right Channel", "Canal droit" },
    { "PageWelcome", "Settings", "Paramètres" },
    { "PageWelcome", "Start", "Démarrer" },
    { "PageWelcome", "Stop", "Arrêter" },
    { "PageHome", "Home", "Accueil" },
    { "PageHome", "", "" },
    { "PageSettings", "General", "Général" },
    { "PageSettings", "Settings", "Paramètres" },
    { "PageDesigner", "", "" },
    { "General", "Dark", "Sombre" },
    { "General", "General", "Général" },
    { "General", "Language", "Langue" },
    { "General", "Light", "Clair" },
    { "General", "Restart to apply", "Redémarrer pour appliquer" },
    { "General", "Run application on startup", "Lancer l'application au démarrage" },
    { "General", "Scaling", "Mise à l'échelle" },
    { "General", "Theme", "Thème" },
    { "ChannelItem", "Double", "Double" },
    { "ChannelItem", "Down", "Bas" },
    { "ChannelItem", "Enter a key...", "Appuyez sur une touche ..." },
    { "ChannelItem", "Key", "Touche" },
    { "ChannelItem", "Keyboard", "Clavier" },
    { "ChannelItem", "Left", "Gauche" },
    { "ChannelItem", "Middle", "Milieu" },
    { "ChannelItem", "Mouse", "Souris" },
    { "ChannelItem", "Press any key ...", "Appuyez sur une touche ..." },
    { "ChannelItem", "Right", "Droit" },
    { "ChannelItem", "Up", "Haut" },
    { "AboutView", "Version %1", "Version %1" },
    { "AboutView", "Made by ormidan for people who drive their computer with a switch",
        "Conçu par ormidan pour les personnes qui pilotent leur ordinateur avec un contacteur" },
    { "korvane::Translator", "%1 day ", "%1 jour " },
    { "korvane::Translator", "%1 days ", "%1 jours " },
    { "korvane::Translator", "%1 hour ", "%1 heure " },
    { "korvane::Translator", "%1 hours ", "%1 heures " },
    { "korvane::Translator", "%1 min ", "%1 min " },
    { "korvane::Translator", "%1 ms", "%1 ms" },
    { "korvane::Translator", "%1 sec ", "%1 sec " },
    { "korvane::Translator", "%1 year ", "%1 année " },
    { "korvane::Translator", "%1 years ", "%1 années " },
    { "korvane::Translator", "'%1' folder does not exist", "Le répertoire '%1' n'existe pas" },
    { "korvane::Translator", ".%1", ".%1" },
    { "korvane::Translator", "0 ms", "0 ms" },
    { "korvane::Translator", "Admin", "Admin" },
    { "korvane::Translator", "An I/O error occurred while reading the data from port %1\n%2",
        "Une erreur d'E/S s'est produite lors de la lecture des données du port %1\n%2" },
    { "korvane::Translator", "BGR", "BGR" },
    { "korvane::Translator", "Cannot load plugin '%1' : %2",
        "Impossible de charger le plugin '%1' : %2" },
    { "korvane::Translator", "Cannot unload plugin '%1' : %2",
        "Impossible de décharger le plugin '%1' : %2" },
    { "korvane::Translator", "Debug", "Debug" },
    { "korvane::Translator", "Demo", "Demo" },
    { "korvane::Translator", "Error", "Erreur" },
    { "korvane::Translator", "Failed to open port %1\n%2", "Impossible d'ouvrir le port %1\n%2" },
    { "korvane::Translator", "Fatal", "Fatal" },
    { "korvane::Translator", "Guest", "Invité" },
    { "korvane::Translator", "Info", "Info" },
    { "korvane::Translator", "Load plugins in path '%1' ... ",
        "Chargement des plugins du répertoire '%1' ... " },
    { "korvane::Translator", "No systray was found.", "Aucun systray n'a été trouvé." },
    { "korvane::Translator", "None", "None" },
    { "korvane::Translator", "Plugin '%1' is already loaded", "Le plugin '%1' est déjà chargé" },
    { "korvane::Translator", "RGB", "RGB" },
    { "korvane::Translator", "Vesper", "Vesper" },
    { "korvane::Translator", "User", "Utilisateur" },
    { "korvane::Translator", "Warning", "Warning" },
    { "korvane::Translator", "[OK] - Load '%1' plugin", "[OK] - Chargement du plugin '%1'" },
    { "korvane::Translator", "offset %1 - %2", "offset %1 - %2" },
    { "ColorComboBox", "Customize ...", "Personnaliser ..." },
    { "ColorComboBox", "Reset", "Réinitialiser" },
    { "ColorComboBox", "Text color", "Couleur du texte" },
    { "DoubleSpinBoxIcon", "(%1)", "(%1)" },
    { "SpinBoxIcon", "(%1)", "(%1)" },
    { "ErrorView", "Error ...", "Erreur ..." },
    { "LanguagePicker", "English", "Anglais" },
    { "LanguagePicker", "French", "Français" },
    { "LanguagePicker", "Select a language", "Sélectionnez la langue" },
    { "ModalDialog", "Cancel", "Annuler" },
    { "ModalDialog", "Ok", "Ok" },
    { "PasswordDialog", "Change my password", "Modifier mon mot de passe" },
    { "PasswordDialog", "Confirm password ... ", "Confirmer le mot de passe ... " },
    { "PasswordDialog", "Invalid old password", "Ancien mot de passe invalide" },
    { "PasswordDialog", "New Password ... ", "Nouveau mot de passe ... " },
    { "PasswordDialog", "Old password ... ", "Ancien mot de passe ... " },
    { "PasswordDialog", "Password mismatch", "Non concordance des mots de passe" },
    { "ProgressBarView", "Cancel", "Annuler" },
    { "QObject", "korvane", "korvane" },
    { "StackTextTitle", "Dark Theme", "Thème sombre" },
    { "StackTextTitle", "Light Theme", "Thème clair" },
    { "StackTextTitle", "Select Accent Color", "Sélectionner la couleur accent" },
    { "StackTextTitle", "Select Primary Color", "Sélectionner la couleur primaire" },
    { "SwipeTextTitle", "Dark Theme", "Thème sombre" },
    { "SwipeTextTitle", "Light Theme", "Thème clair" },
    { "SwipeTextTitle", "Select Accent Color", "Sélectionner la couleur accent" },
    { "SwipeTextTitle", "Select Primary Color", "Sélectionner la couleur primaire" },
    { "TextField", "Copy", "Copier" },
    { "TextField", "Cut", "Couper" },
    { "TextField", "Paste", "Coller" },
    { "WaitView", "text", "texte" },
    { "ZoneIcon", "%1%2", "%1%2" },
};

// Every message of the original catalogue stays: 112 of them.
static_assert(sizeof(cstCatalogue) / sizeof(cstCatalogue[0]) == 112);

// Texts the program gained since, translated the same way.
const Message cstAddedMessages[] = {
    { "korvane::Translator",
        "The switch device on %1 is not there. Korvane connects as soon as it is plugged in.",
        "L'appareil à contacteurs sur %1 n'est pas là. Korvane s'y connecte dès qu'il est "
        "branché." },
    { "korvane::Translator",
        "Korvane may not open the switch device on %1. On Debian and similar systems, add your "
        "user to the dialout group: `sudo usermod -aG dialout $USER`, then log out and in. Korvane "
        "keeps trying and connects as soon as it may.",
        "Korvane n'a pas le droit d'ouvrir l'appareil à contacteurs sur %1. Sur Debian et les "
        "systèmes semblables, ajoutez votre utilisateur au groupe dialout : `sudo usermod -aG "
        "dialout $USER`, puis déconnectez-vous et reconnectez-vous. Korvane continue d'essayer et "
        "s'y connecte dès qu'il en a le droit." },
    { "korvane::Translator",
        "The switch device on %1 is in use by another program. Korvane connects as soon as it is "
        "free.",
        "L'appareil à contacteurs sur %1 est utilisé par un autre programme. Korvane s'y connecte "
        "dès qu'il est libre." },
    { "korvane::Translator", "Cannot open the switch device on %1. Korvane keeps trying.",
        "Impossible d'ouvrir l'appareil à contacteurs sur %1. Korvane continue d'essayer." },
    { "korvane::Translator",
        "The switch device on %1 is unplugged. Korvane reconnects as soon as it is back.",
        "L'appareil à contacteurs sur %1 est débranché. Korvane s'y reconnecte dès qu'il est de "
        "retour." },
    { "AppToolBar", "Back", "Retour" },
    { "AppToolBar", "More", "Plus d'actions" },
    { "main", "Close", "Fermer" },
    { "PageWelcome", "Learn", "Apprendre" },
    { "PageWelcome", "Learn what the left button sends",
        "Apprendre ce qu'envoie le bouton gauche" },
    { "korvane::Translator", "In use: %1", "En service : %1" },
    { "ChannelItem", "%1: %2", "%1 : %2" },
    { "ChannelItem", "right click", "clic droit" },
    { "General", "%1: %2", "%1 : %2" },
    { "PageWelcome", "Left button sends", "Le bouton gauche envoie" },
    { "PageWelcome", "Right button sends", "Le bouton droit envoie" },
    { "PageWelcome", "Press the left button of the device…",
        "Appuyez sur le bouton gauche de l'appareil…" },
    { "PageWelcome", "Press the right button of the device…",
        "Appuyez sur le bouton droit de l'appareil…" },
    { "PageWelcome", "Waiting for the device on %1…", "En attente de l'appareil sur %1…" },
    { "korvane::Translator",
        "%1 cannot type or click for you: the kernel's uinput module is not loaded. Run \"sudo "
        "modprobe uinput\", and install korvane-uinput.conf in /etc/modules-load.d to load it at "
        "every start.",
        "%1 ne peut pas taper ni cliquer pour vous : le module uinput du noyau n'est pas chargé. "
        "Lancez « sudo modprobe uinput », et installez korvane-uinput.conf dans "
        "/etc/modules-load.d pour le charger à chaque démarrage." },
    { "korvane::Translator",
        "%1 cannot type or click for you: it may not use /dev/uinput. Install the rule "
        "70-korvane-uinput.rules in /etc/udev/rules.d, run \"sudo modprobe uinput\", then log out "
        "and in again.",
        "%1 ne peut pas taper ni cliquer pour vous : il n'a pas le droit d'utiliser /dev/uinput. "
        "Installez la règle 70-korvane-uinput.rules dans /etc/udev/rules.d, lancez « sudo "
        "modprobe uinput », puis fermez la session et rouvrez-la." },
    { "korvane::Translator", "%1 cannot type or click for you: /dev/uinput cannot be used (%2).",
        "%1 ne peut pas taper ni cliquer pour vous : /dev/uinput est inutilisable (%2)." },
    { "korvane::Translator", "Until then it uses X11 input, which reaches only X11 programs.",
        "En attendant, il utilise l'entrée X11, qui n'atteint que les programmes X11." },
    { "korvane::Translator", "Running", "En marche" },
    { "korvane::Translator", "Paused", "En pause" },
    { "korvane::Translator", "Waiting for the device", "En attente de l'appareil" },
    { "korvane::Translator", "Set up the buttons", "Configurez les boutons" },
    { "main", "Exit %1?", "Quitter %1 ?" },
    { "main", "Cancel", "Annuler" },
    { "KeyCaptureView", "Cancel", "Annuler" },
    { "ChannelItem", "%1: press the key this button sends",
        "%1 : appuyez sur la touche que ce bouton envoie" },
    { "PageWelcome", "Left button release sends", "Le bouton gauche relâché envoie" },
    { "TimingSection", "%1: ignore repeats, milliseconds",
        "%1 : ignorer les répétitions, en millisecondes" },
    { "TimingSection", "Latch: one press holds, the next lets go",
        "Verrouillage : un appui maintient, le suivant relâche" },
    { "korvane::Translator", "Left mouse button held", "Bouton gauche de la souris maintenu" },
};

} // namespace

class TstCatalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void shippedMessages_data();
    void shippedMessages();
    void lookups_data();
    void lookups();
    void loaderFallbacks_data();
    void loaderFallbacks();
    void qtCatalogue();

private:
    void addSourceCatalogueRows();

    QTranslator m_embedded;
    QTranslator m_onDisk;
};

void TstCatalogue::initTestCase()
{
    QVERIFY(m_embedded.load("korvane_fr", ":/translations"));
    QVERIFY(!m_embedded.isEmpty());
    // The copy beside the program is the file the language list offers.
    const QString onDisk = QStringLiteral(KORVANE_RUNTIME_TRANSLATIONS "/korvane_fr.qm");
    QVERIFY2(QFile::exists(onDisk), qPrintable(onDisk));
    QVERIFY(m_onDisk.load(onDisk));
}

void TstCatalogue::shippedMessages_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("french");
    auto addRows = [](const char* table, const Message* begin, const Message* end) {
        for (const Message* message = begin; message != end; ++message) {
            const QByteArray tag
                = QByteArray(table) + ": " + message->context + " / " + message->source;
            QTest::newRow(tag.constData())
                << QString::fromUtf8(message->context) << QString::fromUtf8(message->source)
                << QString::fromUtf8(message->french);
        }
    };
    addRows("shipped", std::begin(cstCatalogue), std::end(cstCatalogue));
    addRows("added", std::begin(cstAddedMessages), std::end(cstAddedMessages));
    addSourceCatalogueRows();
}

// Every message of the source catalogue as written. A merge that leaves two
// sources in one entry compiles without a word and silently drops one of them.
void TstCatalogue::addSourceCatalogueRows()
{
    QFile file(QStringLiteral(KORVANE_SOURCE_CATALOGUE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString context;
    QStringList sources;
    QStringList translations;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            sources << xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            // A message the sources no longer hold is kept for later, not shipped.
            if (xml.attributes().value(QLatin1String("type")) == QLatin1String("vanished"))
                sources.clear();
            else
                translations << xml.readElementText();
        }
        if (!xml.isEndElement() || xml.name() != QLatin1String("message"))
            continue;
        if (sources.isEmpty())
            continue;
        QVERIFY2(sources.size() == 1 && translations.size() == 1,
            qPrintable(context + QStringLiteral(": one entry holds ") + sources.join(" | ")));
        const QByteArray tag = "source file: " + context.toUtf8() + " / " + sources[0].toUtf8();
        QTest::newRow(tag.constData()) << context << sources[0] << translations[0];
        sources.clear();
        translations.clear();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TstCatalogue::shippedMessages()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, french);
    const QByteArray ctx = context.toUtf8();
    const QByteArray src = source.toUtf8();
    QCOMPARE(m_embedded.translate(ctx.constData(), src.constData()), french);
    QCOMPARE(m_onDisk.translate(ctx.constData(), src.constData()), french);
}

void TstCatalogue::lookups_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    // An empty result means "not in the catalogue": the caller shows the source text.
    QTest::newRow("same text, own context main") << "main"
                                                 << "Settings" << QString::fromUtf8("Paramètres");
    QTest::newRow("same text, own context PageSettings")
        << "PageSettings"
        << "Settings" << QString::fromUtf8("Paramètres");
    QTest::newRow("Start in main") << "main"
                                   << "Start" << QString::fromUtf8("Démarrer");
    QTest::newRow("text of another context") << "General"
                                             << "Settings" << QString();
    QTest::newRow("Stop only in PageWelcome") << "main"
                                              << "Stop" << QString();
    QTest::newRow("unknown context") << "Nowhere"
                                     << "Settings" << QString();
    QTest::newRow("case differs") << "PageWelcome"
                                  << "settings" << QString();
    QTest::newRow("trailing blank kept") << "korvane::Translator"
                                         << "%1 day" << QString();
    QTest::newRow("context without namespace") << "Translator"
                                               << "Error" << QString();
    QTest::newRow("unknown text") << "ChannelItem"
                                  << "Scroll" << QString();
}

void TstCatalogue::lookups()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(
        m_embedded.translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
}

void TstCatalogue::loaderFallbacks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loads");
    QTest::newRow("korvane_fr") << "korvane_fr" << true;
    QTest::newRow("with country part") << "korvane_fr_FR" << true;
    QTest::newRow("qt_fr") << "qt_fr" << true;
    QTest::newRow("qt with country part") << "qt_fr_CA" << true;
    QTest::newRow("no German catalogue") << "korvane_de" << false;
    QTest::newRow("no Qt German catalogue") << "qt_de" << false;
    QTest::newRow("english has no catalogue") << "korvane_en_US" << false;
}

void TstCatalogue::loaderFallbacks()
{
    QFETCH(QString, name);
    QFETCH(bool, loads);
    QTranslator translator;
    QCOMPARE(translator.load(name, ":/translations"), loads);
}

void TstCatalogue::qtCatalogue()
{
    // qt_fr.qm only names its parts; it loads only when they are embedded beside it.
    QTranslator translator;
    QVERIFY(translator.load("qt_fr", ":/translations"));
    QCOMPARE(translator.translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    for (const char* part : { "qtbase_fr", "qtscript_fr", "qtmultimedia_fr", "qtxmlpatterns_fr" })
        QVERIFY2(QFile::exists(QStringLiteral(":/translations/%1.qm").arg(part)), part);
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
