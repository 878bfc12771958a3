<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AboutView</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made by ormidan for people who drive their computer with a switch</source>
        <translation>Conçu par ormidan pour les personnes qui pilotent leur ordinateur avec un contacteur</translation>
    </message>
    <message>
        <source>switch access to your computer</source>
        <translation>l&apos;accès à votre ordinateur par contacteur</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AppToolBar</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus d&apos;actions</translation>
    </message>
</context>
<context>
    <name>ChannelItem</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Enter a key...</source>
        <translation>Appuyez sur une touche ...</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Press any key ...</source>
        <translation>Appuyez sur une touche ...</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>%1: press the key this button sends</source>
        <translation>%1 : appuyez sur la touche que ce bouton envoie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Annuler</translation>
    </message>
    <message>
        <source>double click</source>
        <translation>double clic</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>clavier</translation>
    </message>
    <message>
        <source>left click</source>
        <translation>clic gauche</translation>
    </message>
    <message>
        <source>middle click</source>
        <translation>clic du milieu</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <source>right click</source>
        <translation>clic droit</translation>
    </message>
    <message>
        <source>scroll down</source>
        <translation>défilement vers le bas</translation>
    </message>
    <message>
        <source>scroll up</source>
        <translation>défilement vers le haut</translation>
    </message>
    <message>
        <source>%1: press the key of the second action</source>
        <translation>%1 : appuyez sur la touche de la seconde action</translation>
    </message>
    <message>
        <source>%1 is off: its button does nothing</source>
        <translation>%1 est désactivé : son bouton n&apos;a aucun effet</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ColorComboBox</name>
    <message>
        <source>Customize ...</source>
        <translation>Personnaliser ...</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>DoubleSpinBoxIcon</name>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Error ...</source>
        <translation>Erreur ...</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Restart to apply</source>
        <translation>Redémarrer pour appliquer</translation>
    </message>
    <message>
        <source>Run application on startup</source>
        <translation>Lancer l&apos;application au démarrage</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>Mise à l&apos;échelle</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
</context>
<context>
    <name>KeyCaptureView</name>
    <message>
        <source>Every key counts, Escape too. Escape twice cancels.</source>
        <translation>Toute touche compte, Échap aussi. Échap deux fois annule.</translation>
    </message>
    <message>
        <source>Escape again or Cancel leaves the key as it was; Use Escape takes Escape.</source>
        <translation>Échap à nouveau ou Annuler laisse la touche telle quelle ; Prendre Échap choisit Échap.</translation>
    </message>
    <message>
        <source>Use Escape</source>
        <translation>Prendre Échap</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Select a language</source>
        <translation>Sélectionnez la langue</translation>
    </message>
</context>
<context>
    <name>LineRow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ModalDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
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
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>PageWelcome</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>General</source>
        <translation type="vanished">Général</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Learn what the left button sends</source>
        <translation>Apprendre ce qu&apos;envoie le bouton gauche</translation>
    </message>
    <message>
        <source>Learn what the left button sends when let go</source>
        <translation>Apprendre ce qu&apos;envoie le bouton gauche quand on le relâche</translation>
    </message>
    <message>
        <source>Learn what the right button sends</source>
        <translation>Apprendre ce qu&apos;envoie le bouton droit</translation>
    </message>
    <message>
        <source>Learn what the right button sends when let go</source>
        <translation>Apprendre ce qu&apos;envoie le bouton droit quand on le relâche</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <source>Left button sends</source>
        <translation>Le bouton gauche envoie</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Press the left button of the device…</source>
        <translation>Appuyez sur le bouton gauche de l&apos;appareil…</translation>
    </message>
    <message>
        <source>Press the right button of the device…</source>
        <translation>Appuyez sur le bouton droit de l&apos;appareil…</translation>
    </message>
    <message>
        <source>Process is running</source>
        <translation>Le processus est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Process is stopped</source>
        <translation>Le processus est arrêté</translation>
    </message>
    <message>
        <source>Right button sends</source>
        <translation>Le bouton droit envoie</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Waiting for the device on %1…</source>
        <translation>En attente de l&apos;appareil sur %1…</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start: switch presses act again</source>
        <translation>Démarrer : les appuis sur le contacteur agissent à nouveau</translation>
    </message>
    <message>
        <source>Pause: switch presses do nothing until you start again</source>
        <translation>Pause : les appuis sur le contacteur restent sans effet jusqu&apos;à la reprise</translation>
    </message>
    <message>
        <source>Both buttons send the same line: one press acts on both channels. Learn the line of one of them again.</source>
        <translation type="vanished">Les deux boutons envoient la même ligne : un appui agit sur les deux canaux. Apprenez de nouveau la ligne de l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <source>Press and let go of the left button of the device…</source>
        <translation>Appuyez sur le bouton gauche de l&apos;appareil puis relâchez-le…</translation>
    </message>
    <message>
        <source>Press and let go of the right button of the device…</source>
        <translation>Appuyez sur le bouton droit de l&apos;appareil puis relâchez-le…</translation>
    </message>
    <message>
        <source>Left button release sends</source>
        <translation>Le bouton gauche relâché envoie</translation>
    </message>
    <message>
        <source>Right button release sends</source>
        <translation>Le bouton droit relâché envoie</translation>
    </message>
    <message>
        <source>Nothing: every press is a click</source>
        <translation>Rien : chaque appui est un clic</translation>
    </message>
    <message>
        <source>switch access to your computer</source>
        <translation>l&apos;accès à votre ordinateur par contacteur</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Change my password</source>
        <translation>Modifier mon mot de passe</translation>
    </message>
    <message>
        <source>Confirm password ... </source>
        <translation>Confirmer le mot de passe ... </translation>
    </message>
    <message>
        <source>Invalid old password</source>
        <translation>Ancien mot de passe invalide</translation>
    </message>
    <message>
        <source>New Password ... </source>
        <translation>Nouveau mot de passe ... </translation>
    </message>
    <message>
        <source>Old password ... </source>
        <translation>Ancien mot de passe ... </translation>
    </message>
    <message>
        <source>Password mismatch</source>
        <translation>Non concordance des mots de passe</translation>
    </message>
</context>
<context>
    <name>ProgressBarView</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>korvane</source>
        <translation>korvane</translation>
    </message>
</context>
<context>
    <name>SecondActionSection</name>
    <message>
        <source>Left click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Clic du milieu</translation>
    </message>
    <message>
        <source>Double click</source>
        <translation>Double clic</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>%1: second action, %2</source>
        <translation>%1 : seconde action, %2</translation>
    </message>
    <message>
        <source>Second action</source>
        <translation>Seconde action</translation>
    </message>
    <message>
        <source>%1: second action</source>
        <translation>%1 : seconde action</translation>
    </message>
    <message>
        <source>A long or double press does something else</source>
        <translation>Un appui long ou double fait autre chose</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclencheur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Appui long</translation>
    </message>
    <message>
        <source>long press</source>
        <translation>appui long</translation>
    </message>
    <message>
        <source>Double press</source>
        <translation>Double appui</translation>
    </message>
    <message>
        <source>double press</source>
        <translation>double appui</translation>
    </message>
    <message>
        <source>A long press needs the line this button sends when let go (learn it above); this device has none, so use a double press.</source>
        <translation>Un appui long a besoin de la ligne que ce bouton envoie quand on le relâche (apprenez-la plus haut) ; cet appareil n&apos;en a pas, utilisez donc un double appui.</translation>
    </message>
    <message>
        <source>Hold for (ms)</source>
        <translation>Maintenir (ms)</translation>
    </message>
    <message>
        <source>hold for, milliseconds</source>
        <translation>maintenir, en millisecondes</translation>
    </message>
    <message>
        <source>Second press within (ms)</source>
        <translation>Second appui dans les (ms)</translation>
    </message>
    <message>
        <source>second press within, milliseconds</source>
        <translation>second appui dans les, en millisecondes</translation>
    </message>
    <message>
        <source>A single press waits this long before it acts</source>
        <translation>Un appui simple attend ce délai avant d&apos;agir</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <source>mouse action</source>
        <translation>action de la souris</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>key</source>
        <translation>touche</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>touche %1</translation>
    </message>
    <message>
        <source>Press any key ...</source>
        <translation>Appuyez sur une touche ...</translation>
    </message>
    <message>
        <source>Pause or resume Korvane</source>
        <translation>Mettre en pause ou reprendre Korvane</translation>
    </message>
    <message>
        <source>pause or resume Korvane</source>
        <translation>mettre en pause ou reprendre Korvane</translation>
    </message>
</context>
<context>
    <name>Snackbar</name>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SoundCuesSwitch</name>
    <message>
        <source>Sound cues for presses, pause and resume</source>
        <translation>Signaux sonores pour les appuis, la pause et la reprise</translation>
    </message>
    <message>
        <source>A short sound when a press acts or is ignored, and when Korvane pauses or resumes</source>
        <translation>Un son bref quand un appui agit ou est ignoré, et quand Korvane se met en pause ou reprend</translation>
    </message>
</context>
<context>
    <name>SpinBoxIcon</name>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>StackTextTitle</name>
    <message>
        <source>Dark Theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>Light Theme</source>
        <translation>Thème clair</translation>
    </message>
    <message>
        <source>Select Accent Color</source>
        <translation>Sélectionner la couleur accent</translation>
    </message>
    <message>
        <source>Select Primary Color</source>
        <translation>Sélectionner la couleur primaire</translation>
    </message>
</context>
<context>
    <name>SwipeTextTitle</name>
    <message>
        <source>Dark Theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>Light Theme</source>
        <translation>Thème clair</translation>
    </message>
    <message>
        <source>Select Accent Color</source>
        <translation>Sélectionner la couleur accent</translation>
    </message>
    <message>
        <source>Select Primary Color</source>
        <translation>Sélectionner la couleur primaire</translation>
    </message>
</context>
<context>
    <name>SwitchTest</name>
    <message>
        <source>Switch test</source>
        <translation>Test du contacteur</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Left button</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Right button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Paused: the port is closed, no line arrives</source>
        <translation>En pause : le port est fermé, aucune ligne n&apos;arrive</translation>
    </message>
    <message>
        <source>No line received yet</source>
        <translation>Aucune ligne reçue pour l&apos;instant</translation>
    </message>
    <message>
        <source>Last line: %1</source>
        <translation>Dernière ligne : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>appuyé</translation>
    </message>
    <message>
        <source>not pressed</source>
        <translation>relâché</translation>
    </message>
</context>
<context>
    <name>TextField</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>TimingSection</name>
    <message>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>%1: timing</source>
        <translation>%1 : temporisation</translation>
    </message>
    <message>
        <source>Ignore repeats, hold time, acceptance time and latch</source>
        <translation>Ignorer les répétitions, durée de maintien, délai d&apos;acceptation et verrouillage</translation>
    </message>
    <message>
        <source>Ignore repeats (ms)</source>
        <translation>Ignorer les répétitions (ms)</translation>
    </message>
    <message>
        <source>%1: ignore repeats, milliseconds</source>
        <translation>%1 : ignorer les répétitions, en millisecondes</translation>
    </message>
    <message>
        <source>A press within this time after the last one is ignored; 0 is off</source>
        <translation>Un appui dans ce délai après le précédent est ignoré ; 0 désactive</translation>
    </message>
    <message>
        <source>Hold time (ms)</source>
        <translation>Durée de maintien (ms)</translation>
    </message>
    <message>
        <source>%1: hold time, milliseconds</source>
        <translation>%1 : durée de maintien, en millisecondes</translation>
    </message>
    <message>
        <source>How long one press keeps the key or button down; 0 is a click</source>
        <translation>Durée pendant laquelle un appui garde la touche ou le bouton enfoncé ; 0 donne un clic</translation>
    </message>
    <message>
        <source>Acceptance time (ms)</source>
        <translation>Délai d&apos;acceptation (ms)</translation>
    </message>
    <message>
        <source>%1: acceptance time, milliseconds</source>
        <translation>%1 : délai d&apos;acceptation, en millisecondes</translation>
    </message>
    <message>
        <source>With a release line: a press let go sooner does nothing; 0 is off</source>
        <translation>Avec une ligne de relâchement : un appui relâché plus tôt ne fait rien ; 0 désactive</translation>
    </message>
    <message>
        <source>Latch: one press holds, the next lets go</source>
        <translation>Verrouillage : un appui maintient, le suivant relâche</translation>
    </message>
    <message>
        <source>%1: latch, one press holds, the next lets go</source>
        <translation>%1 : verrouillage, un appui maintient, le suivant relâche</translation>
    </message>
</context>
<context>
    <name>WaitView</name>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
</context>
<context>
    <name>ZoneIcon</name>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>korvane::Translator</name>
    <message>
        <source>The switch device on %1 is not there. Korvane connects as soon as it is plugged in.</source>
        <translation>L&apos;appareil à contacteurs sur %1 n&apos;est pas là. Korvane s&apos;y connecte dès qu&apos;il est branché.</translation>
    </message>
    <message>
        <source>Korvane may not open the switch device on %1. On Debian and similar systems, add your user to the dialout group: `sudo usermod -aG dialout $USER`, then log out and in. Korvane keeps trying and connects as soon as it may.</source>
        <translation>Korvane n&apos;a pas le droit d&apos;ouvrir l&apos;appareil à contacteurs sur %1. Sur Debian et les systèmes semblables, ajoutez votre utilisateur au groupe dialout : `sudo usermod -aG dialout $USER`, puis déconnectez-vous et reconnectez-vous. Korvane continue d&apos;essayer et s&apos;y connecte dès qu&apos;il en a le droit.</translation>
    </message>
    <message>
        <source>The switch device on %1 is in use by another program. Korvane connects as soon as it is free.</source>
        <translation>L&apos;appareil à contacteurs sur %1 est utilisé par un autre programme. Korvane s&apos;y connecte dès qu&apos;il est libre.</translation>
    </message>
    <message>
        <source>Cannot open the switch device on %1. Korvane keeps trying.</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil à contacteurs sur %1. Korvane continue d&apos;essayer.</translation>
    </message>
    <message>
        <source>The switch device on %1 is unplugged. Korvane reconnects as soon as it is back.</source>
        <translation>L&apos;appareil à contacteurs sur %1 est débranché. Korvane s&apos;y reconnecte dès qu&apos;il est de retour.</translation>
    </message>
    <message>
        <source>%1 cannot type or click for you: the kernel&apos;s uinput module is not loaded. Run &quot;sudo modprobe uinput&quot;, and install korvane-uinput.conf in /etc/modules-load.d to load it at every start.</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : le module uinput du noyau n&apos;est pas chargé. Lancez « sudo modprobe uinput », et installez korvane-uinput.conf dans /etc/modules-load.d pour le charger à chaque démarrage.</translation>
    </message>
    <message>
        <source>%1 cannot type or click for you: it may not use /dev/uinput. Install the rule 70-korvane-uinput.rules in /etc/udev/rules.d, run &quot;sudo modprobe uinput&quot;, then log out and in again.</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : il n&apos;a pas le droit d&apos;utiliser /dev/uinput. Installez la règle 70-korvane-uinput.rules dans /etc/udev/rules.d, lancez « sudo modprobe uinput », puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>%1 cannot type or click for you: /dev/uinput cannot be used (%2).</source>
        <translation>%1 ne peut pas taper ni cliquer pour vous : /dev/uinput est inutilisable (%2).</translation>
    </message>
    <message>
        <source>Until then it uses X11 input, which reaches only X11 programs.</source>
        <translation>En attendant, il utilise l&apos;entrée X11, qui n&apos;atteint que les programmes X11.</translation>
    </message>
    <message>
        <source>%1 day </source>
        <translation>%1 jour </translation>
    </message>
    <message>
        <source>%1 days </source>
        <translation>%1 jours </translation>
    </message>
    <message>
        <source>%1 hour </source>
        <translation>%1 heure </translation>
    </message>
    <message>
        <source>%1 hours </source>
        <translation>%1 heures </translation>
    </message>
    <message>
        <source>%1 min </source>
        <translation>%1 min </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 sec </source>
        <translation>%1 sec </translation>
    </message>
    <message>
        <source>%1 year </source>
        <translation>%1 année </translation>
    </message>
    <message>
        <source>%1 years </source>
        <translation>%1 années </translation>
    </message>
    <message>
        <source>&apos;%1&apos; folder does not exist</source>
        <translation>Le répertoire &apos;%1&apos; n&apos;existe pas</translation>
    </message>
    <message>
        <source>.%1</source>
        <translation>.%1</translation>
    </message>
    <message>
        <source>0 ms</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>An I/O error occurred while reading the data from port %1
%2</source>
        <translation>Une erreur d&apos;E/S s&apos;est produite lors de la lecture des données du port %1
%2</translation>
    </message>
    <message>
        <source>BGR</source>
        <translation>BGR</translation>
    </message>
    <message>
        <source>Cannot load plugin &apos;%1&apos; : %2</source>
        <translation>Impossible de charger le plugin &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Cannot unload plugin &apos;%1&apos; : %2</source>
        <translation>Impossible de décharger le plugin &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to open port %1
%2</source>
        <translation>Impossible d&apos;ouvrir le port %1
%2</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Load plugins in path &apos;%1&apos; ... </source>
        <translation>Chargement des plugins du répertoire &apos;%1&apos; ... </translation>
    </message>
    <message>
        <source>No systray was found.</source>
        <translation>Aucun systray n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Plugin &apos;%1&apos; is already loaded</source>
        <translation>Le plugin &apos;%1&apos; est déjà chargé</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Vesper</source>
        <translation>Vesper</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>[OK] - Load &apos;%1&apos; plugin</source>
        <translation>[OK] - Chargement du plugin &apos;%1&apos;</translation>
    </message>
    <message>
        <source>offset %1 - %2</source>
        <translation>offset %1 - %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marche</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Waiting for the device</source>
        <translation>En attente de l&apos;appareil</translation>
    </message>
    <message>
        <source>Set up the buttons</source>
        <translation>Configurez les boutons</translation>
    </message>
    <message>
        <source>Switch presses do nothing until you start again.</source>
        <translation>Les appuis sur le contacteur restent sans effet jusqu&apos;à la reprise.</translation>
    </message>
    <message>
        <source>Waiting for the device on %1; it is taken up as soon as it is there.</source>
        <translation>En attente de l&apos;appareil sur %1 ; il est pris dès qu&apos;il est là.</translation>
    </message>
    <message>
        <source>No enabled button has a line yet: press Learn beside a button, then that button on the device.</source>
        <translation>Aucun bouton activé n&apos;a encore de ligne : appuyez sur Apprendre à côté d&apos;un bouton, puis sur ce bouton de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Listening to the switch on %1.</source>
        <translation>À l&apos;écoute du contacteur sur %1.</translation>
    </message>
    <message>
        <source>A key</source>
        <translation>Une touche</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 maintenu</translation>
    </message>
    <message>
        <source>Left mouse button held</source>
        <translation>Bouton gauche de la souris maintenu</translation>
    </message>
    <message>
        <source>Right mouse button held</source>
        <translation>Bouton droit de la souris maintenu</translation>
    </message>
    <message>
        <source>Middle mouse button held</source>
        <translation>Bouton du milieu de la souris maintenu</translation>
    </message>
    <message>
        <source>Switch presses do nothing until you start again, here or with the switch&apos;s pause gesture.</source>
        <translation>Les appuis sur le contacteur sont sans effet jusqu&apos;au redémarrage, ici ou par le geste de pause du contacteur.</translation>
    </message>
    <message>
        <source>This desktop has no tray area, so %1 shows its window instead. Keep it open or minimise it: closing it ends %1, and the switch stops working.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification : %1 affiche donc sa fenêtre. Laissez-la ouverte ou réduisez-la : la fermer arrête %1, et le contacteur ne fonctionne plus.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so %1 runs on its defaults. The file %2 is left as it was and is not written over.</source>
        <translation>Vos réglages n&apos;ont pas pu être lus : %1 fonctionne avec ses réglages par défaut. Le fichier %2 est laissé tel quel et n&apos;est pas écrasé.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so %1 runs on its defaults. The old text was kept in %2.</source>
        <translation>Vos réglages n&apos;ont pas pu être lus : %1 fonctionne avec ses réglages par défaut. L&apos;ancien texte a été conservé dans %2.</translation>
    </message>
    <message>
        <source>A switch was plugged in on %1: %2 listens to it now.</source>
        <translation>Un contacteur a été branché sur %1 : %2 l&apos;écoute maintenant.</translation>
    </message>
    <message>
        <source>Right Channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <source>Left Channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <source>Left button sends nothing</source>
        <translation>Le bouton gauche n&apos;envoie rien</translation>
    </message>
    <message>
        <source>Right button sends nothing</source>
        <translation>Le bouton droit n&apos;envoie rien</translation>
    </message>
    <message>
        <source>Left button release sends nothing</source>
        <translation>Le relâchement du bouton gauche n&apos;envoie rien</translation>
    </message>
    <message>
        <source>Right button release sends nothing</source>
        <translation>Le relâchement du bouton droit n&apos;envoie rien</translation>
    </message>
    <message>
        <source>Left button sends “%1”</source>
        <translation>Le bouton gauche envoie « %1 »</translation>
    </message>
    <message>
        <source>Right button sends “%1”</source>
        <translation>Le bouton droit envoie « %1 »</translation>
    </message>
    <message>
        <source>Left button release sends “%1”</source>
        <translation>Le relâchement du bouton gauche envoie « %1 »</translation>
    </message>
    <message>
        <source>Right button release sends “%1”</source>
        <translation>Le relâchement du bouton droit envoie « %1 »</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifié</translation>
    </message>
    <message>
        <source>%1 switched on</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <source>%1 switched off</source>
        <translation>%1 désactivé</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>clavier</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>left click</source>
        <translation>clic gauche</translation>
    </message>
    <message>
        <source>right click</source>
        <translation>clic droit</translation>
    </message>
    <message>
        <source>middle click</source>
        <translation>clic du milieu</translation>
    </message>
    <message>
        <source>double click</source>
        <translation>double clic</translation>
    </message>
    <message>
        <source>scroll up</source>
        <translation>défilement vers le haut</translation>
    </message>
    <message>
        <source>scroll down</source>
        <translation>défilement vers le bas</translation>
    </message>
    <message>
        <source>no click</source>
        <translation>aucun clic</translation>
    </message>
    <message>
        <source>key changed</source>
        <translation>touche modifiée</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>touche %1</translation>
    </message>
    <message>
        <source>ignore repeats %1 ms</source>
        <translation>ignorer les répétitions pendant %1 ms</translation>
    </message>
    <message>
        <source>ignore repeats off</source>
        <translation>répétitions non ignorées</translation>
    </message>
    <message>
        <source>hold time %1 ms</source>
        <translation>durée de maintien %1 ms</translation>
    </message>
    <message>
        <source>hold time off</source>
        <translation>sans durée de maintien</translation>
    </message>
    <message>
        <source>acceptance time %1 ms</source>
        <translation>délai d&apos;acceptation %1 ms</translation>
    </message>
    <message>
        <source>acceptance time off</source>
        <translation>sans délai d&apos;acceptation</translation>
    </message>
    <message>
        <source>latch on</source>
        <translation>verrouillage activé</translation>
    </message>
    <message>
        <source>latch off</source>
        <translation>verrouillage désactivé</translation>
    </message>
    <message>
        <source>Until /dev/uinput can be used, only programs running under X11 (XWayland) receive the switch&apos;s input; the others receive nothing.</source>
        <translation>Tant que /dev/uinput est inutilisable, seuls les programmes qui tournent sous X11 (XWayland) reçoivent ce qu&apos;envoie le contacteur ; les autres ne reçoivent rien.</translation>
    </message>
    <message>
        <source>No port is chosen: plug in the switch, or choose its port. A USB switch is taken up as soon as it is plugged in.</source>
        <translation>Aucun port n&apos;est choisi : branchez le contacteur ou choisissez son port. Un contacteur USB est pris en compte dès qu&apos;il est branché.</translation>
    </message>
    <message>
        <source>The device on %1 was unplugged; it is taken up again as soon as it is back.</source>
        <translation>L&apos;appareil sur %1 a été débranché ; il est repris dès son retour.</translation>
    </message>
    <message>
        <source>No device called %1 — check the name, or plug it in. It is taken up as soon as it is there.</source>
        <translation>Aucun appareil ne s&apos;appelle %1 — vérifiez le nom ou branchez-le. Il est pris en compte dès qu&apos;il est là.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; it is taken up as soon as it is free.</source>
        <translation>%1 est utilisé par un autre programme ; il est pris en compte dès qu&apos;il est libre.</translation>
    </message>
    <message>
        <source>Korvane may not open %1: add your user to the dialout group, then log out and in. It is taken up as soon as it may.</source>
        <translation>Korvane n&apos;a pas le droit d&apos;ouvrir %1 : ajoutez votre utilisateur au groupe dialout, puis fermez la session et rouvrez-la. Il est pris en compte dès que c&apos;est permis.</translation>
    </message>
    <message>
        <source>Switch a channel on: the buttons have their lines, but no channel acts on them.</source>
        <translation>Activez un canal : les boutons ont leurs lignes, mais aucun canal n&apos;agit sur elles.</translation>
    </message>
    <message>
        <source>No port chosen</source>
        <translation>Aucun port choisi</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>En service : %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause : %1</translation>
    </message>
    <message>
        <source>Both buttons send the same line: one press acts on both channels. Learn the line of one of them again.</source>
        <translation>Les deux boutons envoient la même ligne : un appui agit sur les deux canaux. Apprenez de nouveau la ligne de l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <source>The left button&apos;s release line is the right button&apos;s press line: one line does two things. Learn one of them again.</source>
        <translation>La ligne de relâchement du bouton gauche est la ligne d&apos;appui du bouton droit : une même ligne fait deux choses. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <source>The right button&apos;s release line is the left button&apos;s press line: one line does two things. Learn one of them again.</source>
        <translation>La ligne de relâchement du bouton droit est la ligne d&apos;appui du bouton gauche : une même ligne fait deux choses. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <source>Both buttons send the same release line: letting go of one lets go of both. Learn one of them again.</source>
        <translation>Les deux boutons envoient la même ligne de relâchement : relâcher l&apos;un relâche les deux. Apprenez de nouveau l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <source>second action changed</source>
        <translation>seconde action modifiée</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 is paused</source>
        <translation>%1 est en pause</translation>
    </message>
    <message>
        <source>%1 is paused.</source>
        <translation>%1 est en pause.</translation>
    </message>
    <message>
        <source>%1 is running ...</source>
        <translation>%1 est en cours d&apos;exécution ...</translation>
    </message>
    <message>
        <source>Cannot start %1 !</source>
        <translation>Impossible de démarrer %1 !</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source></source>
        <translation></translation>
    </message>
    <message>
        <source>%1 runs in the tray. Click its icon to open the window.</source>
        <translation>%1 fonctionne dans la zone de notification. Cliquez sur son icône pour ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Exit %1?</source>
        <translation>Quitter %1 ?</translation>
    </message>
    <message>
        <source>The switch stops working until %1 is started again.</source>
        <translation>Le contacteur ne fonctionne plus jusqu&apos;au prochain démarrage de %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Minimise keeps it working out of the way.</source>
        <translation>Réduire la fenêtre le garde en marche, sans qu&apos;il vous gêne.</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
</TS>
