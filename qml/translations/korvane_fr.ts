<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../AboutView.qml" line="+76"/>
        <source>switch access to your computer</source>
        <translation>l&apos;accès à votre ordinateur par contacteur</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Made by ormidan for people who drive their computer with a switch</source>
        <translation>Conçu par ormidan pour les personnes qui pilotent leur ordinateur avec un contacteur</translation>
    </message>
</context>
<context>
    <name>AppToolBar</name>
    <message>
        <location filename="../Korvane/Gui/AppToolBar.qml" line="+56"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>More</source>
        <translation>Plus d&apos;actions</translation>
    </message>
</context>
<context>
    <name>ChannelItem</name>
    <message>
        <location filename="../ChannelItem.qml" line="+39"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location line="-172"/>
        <location line="+2"/>
        <source>Enter a key...</source>
        <translation>Appuyez sur une touche ...</translation>
    </message>
    <message>
        <location line="+210"/>
        <location line="+15"/>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>Press any key ...</source>
        <translation>Appuyez sur une touche ...</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <location line="-173"/>
        <source>%1 is off: its button does nothing</source>
        <translation>%1 est désactivé : son bouton n&apos;a aucun effet</translation>
    </message>
    <message>
        <location line="+224"/>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location line="+130"/>
        <location line="+15"/>
        <source>%1: press the key this button sends</source>
        <translation>%1 : appuyez sur la touche que ce bouton envoie</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-172"/>
        <source>double click</source>
        <translation>double clic</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>keyboard</source>
        <translation>clavier</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>left click</source>
        <translation>clic gauche</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>middle click</source>
        <translation>clic du milieu</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>right click</source>
        <translation>clic droit</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>scroll down</source>
        <translation>défilement vers le bas</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>scroll up</source>
        <translation>défilement vers le haut</translation>
    </message>
</context>
<context>
    <name>ColorComboBox</name>
    <message>
        <location filename="keptmessages.cpp" line="+56"/>
        <source>Customize ...</source>
        <translation>Personnaliser ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>DoubleSpinBoxIcon</name>
    <message>
        <location line="+1"/>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <location line="+2"/>
        <source>Error ...</source>
        <translation>Erreur ...</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <location filename="../configuration/General.qml" line="+149"/>
        <location line="+13"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <location line="-142"/>
        <location line="+85"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+80"/>
        <location line="+10"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Restart to apply</source>
        <translation>Redémarrer pour appliquer</translation>
    </message>
    <message>
        <location line="-186"/>
        <source>Run application on startup</source>
        <translation>Lancer l&apos;application au démarrage</translation>
    </message>
    <message>
        <location line="+110"/>
        <location line="+14"/>
        <source>Scaling</source>
        <translation>Mise à l&apos;échelle</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+12"/>
        <location line="+13"/>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <location filename="keptmessages.cpp" line="+1"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a language</source>
        <translation>Sélectionnez la langue</translation>
    </message>
</context>
<context>
    <name>ModalDialog</name>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <location filename="../Korvane/Gui/NoticeBar.qml" line="+61"/>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dismiss: %1</source>
        <translation>Fermer : %1</translation>
    </message>
</context>
<context>
    <name>PageDesigner</name>
    <message>
        <source></source>
        <translation></translation>
    </message>
</context>
<context>
    <name>PageHome</name>
    <message>
        <location filename="../PageHome.qml" line="+29"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source></source>
        <translation></translation>
    </message>
</context>
<context>
    <name>PageSettings</name>
    <message>
        <location filename="../PageSettings.qml" line="+70"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>PageWelcome</name>
    <message>
        <location filename="../PageWelcome.qml" line="+166"/>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+10"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+402"/>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <location line="-519"/>
        <source>Learn what the left button sends</source>
        <translation>Apprendre ce qu&apos;envoie le bouton gauche</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Learn what the left button sends when let go</source>
        <translation>Apprendre ce qu&apos;envoie le bouton gauche quand on le relâche</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Learn what the right button sends</source>
        <translation>Apprendre ce qu&apos;envoie le bouton droit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Learn what the right button sends when let go</source>
        <translation>Apprendre ce qu&apos;envoie le bouton droit quand on le relâche</translation>
    </message>
    <message>
        <location line="+459"/>
        <source>Left Channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <location line="-469"/>
        <source>Left button sends</source>
        <translation>Le bouton gauche envoie</translation>
    </message>
    <message>
        <location line="+284"/>
        <location line="+28"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="-310"/>
        <source>Press the left button of the device…</source>
        <translation>Appuyez sur le bouton gauche de l&apos;appareil…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Press the right button of the device…</source>
        <translation>Appuyez sur le bouton droit de l&apos;appareil…</translation>
    </message>
    <message>
        <location filename="keptmessages.cpp" line="-52"/>
        <source>Process is running</source>
        <translation>Le processus est en cours d&apos;exécution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Process is stopped</source>
        <translation>Le processus est arrêté</translation>
    </message>
    <message>
        <location filename="../PageWelcome.qml" line="-2"/>
        <source>Right button sends</source>
        <translation>Le bouton droit envoie</translation>
    </message>
    <message>
        <location line="+490"/>
        <source>Right Channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <location line="-425"/>
        <location line="+41"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location filename="keptmessages.cpp" line="+1"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting for the device on %1…</source>
        <translation>En attente de l&apos;appareil sur %1…</translation>
    </message>
    <message>
        <location filename="../PageWelcome.qml" line="+0"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start: switch presses act again</source>
        <translation>Démarrer : les appuis sur le contacteur agissent à nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause: switch presses do nothing until you start again</source>
        <translation>Pause : les appuis sur le contacteur restent sans effet jusqu&apos;à la reprise</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>switch access to your computer</source>
        <translation>l&apos;accès à votre ordinateur par contacteur</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>Both buttons send the same line: one press acts on both channels. Learn the line of one of them again.</source>
        <translation>Les deux boutons envoient la même ligne : un appui agit sur les deux canaux. Apprenez de nouveau la ligne de l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <location line="-434"/>
        <source>Press and let go of the left button of the device…</source>
        <translation>Appuyez sur le bouton gauche de l&apos;appareil puis relâchez-le…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Press and let go of the right button of the device…</source>
        <translation>Appuyez sur le bouton droit de l&apos;appareil puis relâchez-le…</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Left button release sends</source>
        <translation>Le bouton gauche relâché envoie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right button release sends</source>
        <translation>Le bouton droit relâché envoie</translation>
    </message>
    <message>
        <location line="+507"/>
        <source>Nothing: every press is a click</source>
        <translation>Rien : chaque appui est un clic</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <location filename="keptmessages.cpp" line="+50"/>
        <source>Change my password</source>
        <translation>Modifier mon mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm password ... </source>
        <translation>Confirmer le mot de passe ... </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid old password</source>
        <translation>Ancien mot de passe invalide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Password ... </source>
        <translation>Nouveau mot de passe ... </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password ... </source>
        <translation>Ancien mot de passe ... </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password mismatch</source>
        <translation>Non concordance des mots de passe</translation>
    </message>
</context>
<context>
    <name>ProgressBarView</name>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location line="+1"/>
        <source>korvane</source>
        <translation>korvane</translation>
    </message>
</context>
<context>
    <name>Snackbar</name>
    <message>
        <location filename="../Korvane/Gui/Snackbar.qml" line="+94"/>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SpinBoxIcon</name>
    <message>
        <location filename="keptmessages.cpp" line="-14"/>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>StackTextTitle</name>
    <message>
        <location line="+15"/>
        <source>Dark Theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Theme</source>
        <translation>Thème clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Accent Color</source>
        <translation>Sélectionner la couleur accent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Primary Color</source>
        <translation>Sélectionner la couleur primaire</translation>
    </message>
</context>
<context>
    <name>SwipeTextTitle</name>
    <message>
        <location line="+1"/>
        <source>Dark Theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light Theme</source>
        <translation>Thème clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Accent Color</source>
        <translation>Sélectionner la couleur accent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Primary Color</source>
        <translation>Sélectionner la couleur primaire</translation>
    </message>
</context>
<context>
    <name>TextField</name>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>TimingSection</name>
    <message>
        <location filename="../TimingSection.qml" line="+28"/>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: timing</source>
        <translation>%1 : temporisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore repeats, hold time, acceptance time and latch</source>
        <translation>Ignorer les répétitions, durée de maintien, délai d&apos;acceptation et verrouillage</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Ignore repeats (ms)</source>
        <translation>Ignorer les répétitions (ms)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: ignore repeats, milliseconds</source>
        <translation>%1 : ignorer les répétitions, en millisecondes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A press within this time after the last one is ignored; 0 is off</source>
        <translation>Un appui dans ce délai après le précédent est ignoré ; 0 désactive</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold time (ms)</source>
        <translation>Durée de maintien (ms)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: hold time, milliseconds</source>
        <translation>%1 : durée de maintien, en millisecondes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How long one press keeps the key or button down; 0 is a click</source>
        <translation>Durée pendant laquelle un appui garde la touche ou le bouton enfoncé ; 0 donne un clic</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Acceptance time (ms)</source>
        <translation>Délai d&apos;acceptation (ms)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: acceptance time, milliseconds</source>
        <translation>%1 : délai d&apos;acceptation, en millisecondes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>With a release line: a press let go sooner does nothing; 0 is off</source>
        <translation>Avec une ligne de relâchement : un appui relâché plus tôt ne fait rien ; 0 désactive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Latch: one press holds, the next lets go</source>
        <translation>Verrouillage : un appui maintient, le suivant relâche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: latch, one press holds, the next lets go</source>
        <translation>%1 : verrouillage, un appui maintient, le suivant relâche</translation>
    </message>
</context>
<context>
    <name>WaitView</name>
    <message>
        <location filename="keptmessages.cpp" line="+1"/>
        <source>text</source>
        <translation>texte</translation>
    </message>
</context>
<context>
    <name>ZoneIcon</name>
    <message>
        <location line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>korvane::Translator</name>
    <message>
        <location filename="../../core/switch/mousecom.cpp" line="+21"/>
        <source>The switch device on %1 is not there. Korvane connects as soon as it is plugged in.</source>
        <translation>L&apos;appareil à contacteurs sur %1 n&apos;est pas là. Korvane s&apos;y connecte dès qu&apos;il est branché.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Korvane may not open the switch device on %1. On Debian and similar systems, add your user to the dialout group: `sudo usermod -aG dialout $USER`, then log out and in. Korvane keeps trying and connects as soon as it may.</source>
        <translation>Korvane n&apos;a pas le droit d&apos;ouvrir l&apos;appareil à contacteurs sur %1. Sur Debian et les systèmes semblables, ajoutez votre utilisateur au groupe dialout : `sudo usermod -aG dialout $USER`, puis déconnectez-vous et reconnectez-vous. Korvane continue d&apos;essayer et s&apos;y connecte dès qu&apos;il en a le droit.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The switch device on %1 is in use by another program. Korvane connects as soon as it is free.</source>
        <translation>L&apos;appareil à contacteurs sur %1 est utilisé par un autre programme. Korvane s&apos;y connecte dès qu&apos;il est libre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open the switch device on %1. Korvane keeps trying.</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil à contacteurs sur %1. Korvane continue d&apos;essayer.</translation>
    </message>
    <message>
        <location line="+400"/>
        <source>The switch device on %1 is unplugged. Korvane reconnects as soon as it is back.</source>
        <translation>L&apos;appareil à contacteurs sur %1 est débranché. Korvane s&apos;y reconnecte dès qu&apos;il est de retour.</translation>
    </message>
    <message>
        <location filename="../../core/platform/inputbackend_linux.cpp" line="+76"/>
        <source>%1 cannot type or click for you: the kernel&apos;s uinput module is not loaded. Run &quot;sudo modprobe uinput&quot;, and install korvane-uinput.conf in /etc/modules-load.d to load it at every start.</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : le module uinput du noyau n&apos;est pas chargé. Lancez « sudo modprobe uinput », et installez korvane-uinput.conf dans /etc/modules-load.d pour le charger à chaque démarrage.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot type or click for you: it may not use /dev/uinput. Install the rule 70-korvane-uinput.rules in /etc/udev/rules.d, run &quot;sudo modprobe uinput&quot;, then log out and in again.</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : il n&apos;a pas le droit d&apos;utiliser /dev/uinput. Installez la règle 70-korvane-uinput.rules dans /etc/udev/rules.d, lancez « sudo modprobe uinput », puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot type or click for you: /dev/uinput cannot be used (%2).</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : /dev/uinput est inutilisable (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Until /dev/uinput can be used, only programs running under X11 (XWayland) receive the switch&apos;s input; the others receive nothing.</source>
        <translation>Tant que /dev/uinput est inutilisable, seuls les programmes qui tournent sous X11 (XWayland) reçoivent ce qu&apos;envoie le contacteur ; les autres ne reçoivent rien.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Until then it uses X11 input, which reaches only X11 programs.</source>
        <translation>En attendant, il utilise l&apos;entrée X11, qui n&apos;atteint que les programmes X11.</translation>
    </message>
    <message>
        <location filename="keptmessages.cpp" line="-67"/>
        <location filename="../../common/timeutils.cpp" line="+96"/>
        <location line="+27"/>
        <source>%1 day </source>
        <translation>%1 jour </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="-26"/>
        <location line="+27"/>
        <source>%1 days </source>
        <translation>%1 jours </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="-24"/>
        <source>%1 hour </source>
        <translation>%1 heure </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="+1"/>
        <source>%1 hours </source>
        <translation>%1 heures </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="+3"/>
        <source>%1 min </source>
        <translation>%1 min </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="+4"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="-2"/>
        <source>%1 sec </source>
        <translation>%1 sec </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="-14"/>
        <source>%1 year </source>
        <translation>%1 année </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="+1"/>
        <source>%1 years </source>
        <translation>%1 années </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; folder does not exist</source>
        <translation>Le répertoire &apos;%1&apos; n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.%1</source>
        <translation>.%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/timeutils.cpp" line="+17"/>
        <source>0 ms</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="+31"/>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An I/O error occurred while reading the data from port %1
%2</source>
        <translation>Une erreur d&apos;E/S s&apos;est produite lors de la lecture des données du port %1
%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../datamodel/screenmode.cpp" line="+24"/>
        <source>BGR</source>
        <translation>BGR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot load plugin &apos;%1&apos; : %2</source>
        <translation>Impossible de charger le plugin &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot unload plugin &apos;%1&apos; : %2</source>
        <translation>Impossible de décharger le plugin &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/loglevel.cpp" line="+22"/>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="-6"/>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/loglevel.cpp" line="+6"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Failed to open port %1
%2</source>
        <translation>Impossible d&apos;ouvrir le port %1
%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/loglevel.cpp" line="+2"/>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="+2"/>
        <source>Guest</source>
        <translation>Invité</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/loglevel.cpp" line="-6"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load plugins in path &apos;%1&apos; ... </source>
        <translation>Chargement des plugins du répertoire &apos;%1&apos; ... </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../main/windownotices.cpp" line="+35"/>
        <source>No systray was found.</source>
        <translation>Aucun systray n&apos;a été trouvé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="-4"/>
        <location filename="../../datamodel/screenmode.cpp" line="-4"/>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plugin &apos;%1&apos; is already loaded</source>
        <translation>Le plugin &apos;%1&apos; est déjà chargé</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/screenmode.cpp" line="+2"/>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="+10"/>
        <source>Vesper</source>
        <translation>Vesper</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/role.cpp" line="-4"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../common/loglevel.cpp" line="+2"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[OK] - Load &apos;%1&apos; plugin</source>
        <translation>[OK] - Chargement du plugin &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../datamodel/configuration.cpp" line="+72"/>
        <source>offset %1 - %2</source>
        <translation>offset %1 - %2</translation>
    </message>
    <message>
        <location filename="../../core/switch/switchcontroller.cpp" line="+124"/>
        <source>Running</source>
        <translation>En marche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the device</source>
        <translation>En attente de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set up the buttons</source>
        <translation>Configurez les boutons</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Switch presses do nothing until you start again.</source>
        <translation>Les appuis sur le contacteur restent sans effet jusqu&apos;à la reprise.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No port is chosen: plug in the switch, or choose its port. A USB switch is taken up as soon as it is plugged in.</source>
        <translation>Aucun port n&apos;est choisi : branchez le contacteur ou choisissez son port. Un contacteur USB est pris en compte dès qu&apos;il est branché.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The device on %1 was unplugged; it is taken up again as soon as it is back.</source>
        <translation>L&apos;appareil sur %1 a été débranché ; il est repris dès son retour.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No device called %1 — check the name, or plug it in. It is taken up as soon as it is there.</source>
        <translation>Aucun appareil ne s&apos;appelle %1 — vérifiez le nom ou branchez-le. Il est pris en compte dès qu&apos;il est là.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is in use by another program; it is taken up as soon as it is free.</source>
        <translation>%1 est utilisé par un autre programme ; il est pris en compte dès qu&apos;il est libre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Korvane may not open %1: add your user to the dialout group, then log out and in. It is taken up as soon as it may.</source>
        <translation>Korvane n&apos;a pas le droit d&apos;ouvrir %1 : ajoutez votre utilisateur au groupe dialout, puis fermez la session et rouvrez-la. Il est pris en compte dès que c&apos;est permis.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No port chosen</source>
        <translation>Aucun port choisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In use: %1</source>
        <translation>En service : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paused: %1</source>
        <translation>En pause : %1</translation>
    </message>
    <message>
        <location line="+344"/>
        <source>Both buttons send the same line: one press acts on both channels. Learn the line of one of them again.</source>
        <translation>Les deux boutons envoient la même ligne : un appui agit sur les deux canaux. Apprenez de nouveau la ligne de l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The left button&apos;s release line is the right button&apos;s press line: one line does two things. Learn one of them again.</source>
        <translation>La ligne de relâchement du bouton gauche est la ligne d&apos;appui du bouton droit : une même ligne fait deux choses. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The right button&apos;s release line is the left button&apos;s press line: one line does two things. Learn one of them again.</source>
        <translation>La ligne de relâchement du bouton droit est la ligne d&apos;appui du bouton gauche : une même ligne fait deux choses. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Both buttons send the same release line: letting go of one lets go of both. Learn one of them again.</source>
        <translation>Les deux boutons envoient la même ligne de relâchement : relâcher l&apos;un relâche les deux. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <location line="-378"/>
        <source>Waiting for the device on %1; it is taken up as soon as it is there.</source>
        <translation>En attente de l&apos;appareil sur %1 ; il est pris dès qu&apos;il est là.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Switch a channel on: the buttons have their lines, but no channel acts on them.</source>
        <translation>Activez un canal : les boutons ont leurs lignes, mais aucun canal n&apos;agit sur elles.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No enabled button has a line yet: press Learn beside a button, then that button on the device.</source>
        <translation>Aucun bouton activé n&apos;a encore de ligne : appuyez sur Apprendre à côté d&apos;un bouton, puis sur ce bouton de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Listening to the switch on %1.</source>
        <translation>À l&apos;écoute du contacteur sur %1.</translation>
    </message>
    <message>
        <location filename="../../core/channelinjector.cpp" line="+234"/>
        <source>A key</source>
        <translation>Une touche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 held</source>
        <translation>%1 maintenu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Left mouse button held</source>
        <translation>Bouton gauche de la souris maintenu</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Right mouse button held</source>
        <translation>Bouton droit de la souris maintenu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle mouse button held</source>
        <translation>Bouton du milieu de la souris maintenu</translation>
    </message>
    <message>
        <location filename="../../main/windownotices.cpp" line="+1"/>
        <source>This desktop has no tray area, so %1 shows its window instead. Keep it open or minimise it: closing it ends %1, and the switch stops working.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification : %1 affiche donc sa fenêtre. Laissez-la ouverte ou réduisez-la : la fermer arrête %1, et le contacteur ne fonctionne plus.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Your settings could not be read, so %1 runs on its defaults. The file %2 is left as it was and is not written over.</source>
        <translation>Vos réglages n&apos;ont pas pu être lus : %1 fonctionne avec ses réglages par défaut. Le fichier %2 est laissé tel quel et n&apos;est pas écrasé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your settings could not be read, so %1 runs on its defaults. The old text was kept in %2.</source>
        <translation>Vos réglages n&apos;ont pas pu être lus : %1 fonctionne avec ses réglages par défaut. L&apos;ancien texte a été conservé dans %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A switch was plugged in on %1: %2 listens to it now.</source>
        <translation>Un contacteur a été branché sur %1 : %2 l&apos;écoute maintenant.</translation>
    </message>
    <message>
        <location filename="../../core/changehistory.cpp" line="+235"/>
        <source>Right Channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left Channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Left button sends nothing</source>
        <translation>Le bouton gauche n&apos;envoie rien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right button sends nothing</source>
        <translation>Le bouton droit n&apos;envoie rien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left button release sends nothing</source>
        <translation>Le bouton gauche relâché n&apos;envoie rien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right button release sends nothing</source>
        <translation>Le bouton droit relâché n&apos;envoie rien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left button sends “%1”</source>
        <translation>Le bouton gauche envoie « %1 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right button sends “%1”</source>
        <translation>Le bouton droit envoie « %1 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left button release sends “%1”</source>
        <translation>Le bouton gauche relâché envoie « %1 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right button release sends “%1”</source>
        <translation>Le bouton droit relâché envoie « %1 »</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+51"/>
        <source>%1 changed</source>
        <translation>%1 modifié</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>%1 switched on</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 switched off</source>
        <translation>%1 désactivé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keyboard</source>
        <translation>clavier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>left click</source>
        <translation>clic gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right click</source>
        <translation>clic droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>middle click</source>
        <translation>clic du milieu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>double click</source>
        <translation>double clic</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>scroll up</source>
        <translation>défilement vers le haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>scroll down</source>
        <translation>défilement vers le bas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no click</source>
        <translation>aucun clic</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>key changed</source>
        <translation>touche modifiée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>key %1</source>
        <translation>touche %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ignore repeats %1 ms</source>
        <translation>ignorer les répétitions pendant %1 ms</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ignore repeats off</source>
        <translation>répétitions non ignorées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>hold time %1 ms</source>
        <translation>durée de maintien %1 ms</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>hold time off</source>
        <translation>sans durée de maintien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>acceptance time %1 ms</source>
        <translation>délai d&apos;acceptation %1 ms</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>acceptance time off</source>
        <translation>sans délai d&apos;acceptation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>latch on</source>
        <translation>verrouillage activé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>latch off</source>
        <translation>verrouillage désactivé</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.qml" line="+437"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="keptmessages.cpp" line="-42"/>
        <source>%1 is paused</source>
        <translation>%1 est en pause</translation>
    </message>
    <message>
        <location filename="../main.qml" line="-375"/>
        <source>%1 is paused.</source>
        <translation>%1 est en pause.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is running ...</source>
        <translation>%1 est en cours d&apos;exécution ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot start %1 !</source>
        <translation>Impossible de démarrer %1 !</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source></source>
        <translation></translation>
    </message>
    <message>
        <location line="-71"/>
        <source>%1 runs in the tray. Click its icon to open the window.</source>
        <translation>%1 fonctionne dans la zone de notification. Cliquez sur son icône pour ouvrir la fenêtre.</translation>
    </message>
    <message>
        <location line="+272"/>
        <source>Exit %1?</source>
        <translation>Quitter %1 ?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The switch stops working until %1 is started again.</source>
        <translation>Le contacteur ne fonctionne plus jusqu&apos;au prochain démarrage de %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimise keeps it working out of the way.</source>
        <translation>Réduire la fenêtre le garde en marche, sans qu&apos;il vous gêne.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo: %1</source>
        <translation>Annuler : %1</translation>
    </message>
</context>
</TS>
