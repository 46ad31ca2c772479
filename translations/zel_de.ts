<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Voice-mail box settings tool</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>Mailbox-Einstellprogramm</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>About box, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zel</source>
        <translation>Über Zel</translation>
    </message>
    <message>
        <source>ZEL Version %1</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>ZEL Version %1</translation>
    </message>
    <message>
        <source>Licences: %1</source>
        <extracomment>About box, third line, 184 x 8 dialog units (about 46 characters); %1 is a file&apos;s name, THIRD-PARTY-NOTICES.txt, beside the program.</extracomment>
        <translation>Lizenzen: %1</translation>
    </message>
</context>
<context>
    <name>CApplyDlg</name>
    <message>
        <source>OK</source>
        <extracomment>Apply window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Apply window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Verbindung zum Gerät wird hergestellt ...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Apply mailbox settings</source>
        <translation>Mailbox-Einstellungen übernehmen</translation>
    </message>
    <message>
        <source>To apply your mailbox settings press OK</source>
        <extracomment>Apply window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Einstellungen mit OK übernehmen</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Apply window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Auf OK klicken</translation>
    </message>
    <message>
        <source>Waiting for Acknowledge...</source>
        <extracomment>Apply window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Warten auf Bestätigung...</translation>
    </message>
</context>
<context>
    <name>CDataInitDlg</name>
    <message>
        <source>Zel Data Initializing</source>
        <translation>Zel-Ersteinrichtung</translation>
    </message>
    <message>
        <source>Zel needs to know which mailbox is yours and where the voice-mail device is on your network.

Mailbox Number: the number of your voice-mail box, at most 6 characters.
Device IP address: the IPv4 address of the voice-mail device, for example 192.168.1.20. The first of the four numbers must not be 0.

OK saves both values in Zel&apos;s profile file, Zel1.ini, so that you are not asked again. Cancel ends Zel without saving anything.</source>
        <translation>Zel muss wissen, welche Mailbox Ihnen gehört und wo sich die Voicemail-Anlage in Ihrem Netzwerk befindet.

Mailbox-Nummer: die Nummer Ihrer Sprach-Mailbox, höchstens 6 Zeichen.
Geräte-IP-Adresse: die IPv4-Adresse der Voicemail-Anlage, zum Beispiel 192.168.1.20. Die erste der vier Zahlen darf nicht 0 sein.

OK speichert beide Werte in der Profildatei von Zel, Zel1.ini, damit Sie nicht erneut gefragt werden. Abbrechen beendet Zel, ohne etwas zu speichern.</translation>
    </message>
    <message>
        <source>Zel cannot work without these required information: </source>
        <translation>Ohne diese Angaben kann Zel nicht arbeiten: </translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Mailbox-Nummer</translation>
    </message>
    <message>
        <source>Device IP address</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Geräte-IP-Adresse</translation>
    </message>
    <message>
        <source>Device Port number</source>
        <translation>Geräte-Port</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>The device port number &quot;%1&quot; has more than %2 characters.

Please correct &quot;Port_num&quot; in Zel1.ini, or press Cancel.</source>
        <translation>Die Portnummer des Geräts „%1“ ist länger als %2 Zeichen.

Bitte korrigieren Sie „Port_num“ in Zel1.ini oder klicken Sie auf Abbrechen.</translation>
    </message>
    <message>
        <source>Data entry error</source>
        <translation>Eingabefehler</translation>
    </message>
</context>
<context>
    <name>CNotificationsPage</name>
    <message>
        <source>Local notification type

How your own telephone tells you of a new message: None, a message light (MSG Light 1 or 2), Sign Rings or Rings. It is set on the device and only shown here.</source>
        <translation>Benachrichtigungsart

Wie Ihr eigenes Telefon Sie auf eine neue Nachricht hinweist: Keine, eine Nachrichtenlampe (Nachrichtenlampe 1 oder 2), Signalruf oder Klingeln. Sie wird am Gerät eingestellt und hier nur angezeigt.</translation>
    </message>
    <message>
        <source>Extension to notify

The extension that gets the local notification. It is set on the device and only shown here.</source>
        <translation>Ziel-Nebenstelle

Die Nebenstelle, die die lokale Benachrichtigung erhält. Sie wird am Gerät eingestellt und hier nur angezeigt.</translation>
    </message>
    <message>
        <source>Telephone number

The number the device calls to tell you of a new message. Up to 20 characters: the digits 0-9, * and #, and the dialling letters P, A, B, C, D and Q (either case).</source>
        <translation>Telefonnummer

Die Nummer, die das Gerät anruft, um Sie über eine neue Nachricht zu informieren. Bis zu 20 Zeichen: die Ziffern 0-9, * und # sowie die Wählbuchstaben P, A, B, C, D und Q (groß oder klein).</translation>
    </message>
    <message>
        <source>Enable (Telephone number)

When checked, the device calls the telephone number below for each new message. A number must then be entered.</source>
        <translation>Aktiv (Telefonnummer)

Wenn aktiviert, ruft das Gerät bei jeder neuen Nachricht die Telefonnummer darunter an. Dann muss eine Nummer eingegeben sein.</translation>
    </message>
    <message>
        <source>Enable (Pager number)

When checked, the device pages the number below for each new message. A pager number must then be entered.</source>
        <translation>Aktiv (Pager-Nummer)

Wenn aktiviert, sendet das Gerät bei jeder neuen Nachricht einen Funkruf an die Nummer darunter. Dann muss eine Pager-Nummer eingegeben sein.</translation>
    </message>
    <message>
        <source>Pager number

The pager the device calls for each new message. Up to 40 characters: the digits 0-9, * and #, the dialling letters P, A, B, C, D and Q, and X and $ (letters in either case).</source>
        <translation>Pager-Nummer

Der Pager, den das Gerät bei jeder neuen Nachricht ruft. Bis zu 40 Zeichen: die Ziffern 0-9, * und #, die Wählbuchstaben P, A, B, C, D und Q sowie X und $ (Buchstaben groß oder klein).</translation>
    </message>
    <message>
        <source>Enable (SMS)

When checked, the device sends a text message to the mobile number below for each new message. A number must then be entered.</source>
        <translation>Aktiv (SMS)

Wenn aktiviert, sendet das Gerät bei jeder neuen Nachricht eine SMS an die Mobilfunknummer darunter. Dann muss eine Nummer eingegeben sein.</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number

The mobile phone that gets the text message. Up to 40 characters: digits only, with an optional + at the start, e.g. +972541234567.</source>
        <translation>SMS - Mobilfunknummer

Das Mobiltelefon, das die SMS erhält. Bis zu 40 Zeichen: nur Ziffern, am Anfang wahlweise ein +, z. B. +972541234567.</translation>
    </message>
    <message>
        <source>Enable (E-Mail)

When checked, the device e-mails the address below for each new message. Only available when the device supports e-mail notification.</source>
        <translation>Aktiv (E-Mail)

Wenn aktiviert, schickt das Gerät bei jeder neuen Nachricht eine E-Mail an die Adresse darunter. Nur verfügbar, wenn das Gerät die Benachrichtigung per E-Mail unterstützt.</translation>
    </message>
    <message>
        <source>E-Mail target address

The address that gets the notification e-mail, up to 60 characters.</source>
        <translation>E-Mail-Zieladresse

Die Adresse, an die die Benachrichtigungs-E-Mail geht, bis zu 60 Zeichen.</translation>
    </message>
    <message>
        <source>Message type

What the notification e-mail carries: no attachment, the voice message attached, attached and kept in the mailbox, or attached and deleted from the mailbox. Attached and deleted is not safe: a lost e-mail loses the message.</source>
        <translation>Zustellart

Was die Benachrichtigungs-E-Mail enthält: keinen Anhang, die Sprachnachricht als Anhang, als Anhang und in der Mailbox behalten oder als Anhang und aus der Mailbox gelöscht. Anhängen und Löschen ist nicht sicher: Geht die E-Mail verloren, ist auch die Nachricht verloren.</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Telephone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Pager number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Pager-Nummer</translation>
    </message>
    <message>
        <source>E-Mail target address</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 80 dialog units (about 41 characters).</extracomment>
        <translation>E-Mail-Zieladresse</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 47 dialog units (about 41 characters).</extracomment>
        <translation>SMS - Mobilfunknummer</translation>
    </message>
    <message>
        <source>Message type</source>
        <extracomment>Mailbox Notifications page, label, 46 x 8 dialog units (about 11 characters).</extracomment>
        <translation>Zustellart</translation>
    </message>
    <message>
        <source>External notification is Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>Externe Benachrichtigung ist erlaubt</translation>
    </message>
    <message>
        <source>External notifications</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 167 dialog units (about 91 characters).</extracomment>
        <translation>Externe Benachrichtigungen</translation>
    </message>
    <message>
        <source>Local notification</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 34 dialog units (about 91 characters).</extracomment>
        <translation>Lokale Benachrichtigung</translation>
    </message>
    <message>
        <source>Local notification type</source>
        <extracomment>Mailbox Notifications page, label, 75 x 8 dialog units (about 18 characters).</extracomment>
        <translation>Benachrichtigungsart</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <extracomment>Mailbox Notifications page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Ziel-Nebenstelle</translation>
    </message>
    <message>
        <source>Mailbox Notifications</source>
        <translation>Mailbox-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Without attachment</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Ohne Anhang</translation>
    </message>
    <message>
        <source>With voice message attached</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Mit Sprachnachricht als Anhang</translation>
    </message>
    <message>
        <source>Voice message attached and saved</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Sprachnachricht angehängt und gespeichert</translation>
    </message>
    <message>
        <source>Voice message attached and deleted</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Sprachnachricht angehängt und gelöscht</translation>
    </message>
    <message>
        <source>External notification is Not Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>Externe Benachrichtigung ist nicht erlaubt</translation>
    </message>
    <message>
        <source>This delivery method is not secure!
Network problems may corrupt the message and all information will be lost.
Are you sure you want to use this method?</source>
        <translation>Diese Zustellart ist nicht sicher!
Bei Netzwerkproblemen kann die Nachricht beschädigt werden, und alle Informationen gehen verloren.
Möchten Sie diese Zustellart wirklich verwenden?</translation>
    </message>
    <message>
        <source>When enabling Phone notification a Phone number must be defined</source>
        <translation>Für die Benachrichtigung per Telefon muss eine Telefonnummer angegeben werden</translation>
    </message>
    <message>
        <source>Phone number is not valid</source>
        <translation>Die Telefonnummer ist ungültig</translation>
    </message>
    <message>
        <source>When enabling Pager notification a Pager number must be defined</source>
        <translation>Für die Benachrichtigung per Pager muss eine Pager-Nummer angegeben werden</translation>
    </message>
    <message>
        <source>Pager number is not valid</source>
        <translation>Die Pager-Nummer ist ungültig</translation>
    </message>
    <message>
        <source>When enabling SMS notification a SMS number must be defined</source>
        <translation>Für die Benachrichtigung per SMS muss eine SMS-Nummer angegeben werden</translation>
    </message>
    <message>
        <source>SMS number is not valid</source>
        <translation>Die SMS-Nummer ist ungültig</translation>
    </message>
    <message>
        <source>When enabling Email notification an Email address must be defined</source>
        <translation>Für die Benachrichtigung per E-Mail muss eine E-Mail-Adresse angegeben werden</translation>
    </message>
    <message>
        <source>Email notification type is not valid</source>
        <translation>Die Zustellart ist ungültig</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>MSG Light 1</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Nachrichtenlampe 1</translation>
    </message>
    <message>
        <source>MSG Light 2</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Nachrichtenlampe 2</translation>
    </message>
    <message>
        <source>Sign Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Signalruf</translation>
    </message>
    <message>
        <source>Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <extracomment>What a screen reader says for an &quot;Enable&quot; check box; %1 is the caption of its group (&quot;Telephone number&quot;, &quot;Pager number&quot;, ...).</extracomment>
        <translation>Aktiv (%1)</translation>
    </message>
</context>
<context>
    <name>CPreApplyDlg</name>
    <message>
        <source>Please wait...</source>
        <extracomment>Wait window of Apply, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pre-Apply settings</source>
        <translation>Einstellungen werden geprüft</translation>
    </message>
</context>
<context>
    <name>CRefreshDlg</name>
    <message>
        <source>OK</source>
        <extracomment>Refresh window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Refresh window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Verbindung zum Gerät wird hergestellt ...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Refresh mailbox settings view</source>
        <translation>Mailbox-Einstellungen abrufen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>To view your mailbox settings</source>
        <extracomment>Refresh window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Zum Anzeigen der Mailbox-Einstellungen</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Refresh window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Auf OK klicken</translation>
    </message>
    <message>
        <source>Please enter Password for mailbox %s</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters); %s is a mailbox number of up to 6 digits.</extracomment>
        <translation>Bitte Kennwort für Mailbox %s eingeben</translation>
    </message>
    <message>
        <source>Incorrect Password, Please try again</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Falsches Kennwort, bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>CSettingsPage</name>
    <message>
        <source>Mailbox Number

The number of the mailbox these settings belong to. It is set when Zel is configured and cannot be changed here.</source>
        <translation>Mailbox-Nummer

Die Nummer der Mailbox, zu der diese Einstellungen gehören. Sie wird bei der Einrichtung von Zel festgelegt und kann hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>Mailbox Password

The mailbox&apos;s password: exactly 4 digits. Press Reset to put in the default password 5823. A new password reaches the device with the next Apply.</source>
        <translation>Mailbox-Kennwort

Das Kennwort der Mailbox: genau 4 Ziffern. „Standard“ trägt das Standardkennwort 5823 ein. Ein neues Kennwort erreicht das Gerät mit dem nächsten „Übernehmen“.</translation>
    </message>
    <message>
        <source>Mailbox Language

The language in which the device speaks to callers and to you. Choose one of the languages installed on the device; a slot shown as Unknown or Not Installed cannot be chosen.</source>
        <translation>Mailbox-Sprache

Die Sprache, in der das Gerät mit Anrufern und mit Ihnen spricht. Wählen Sie eine der auf dem Gerät installierten Sprachen; ein Platz mit „Unbekannt“ oder „Nicht installiert“ kann nicht gewählt werden.</translation>
    </message>
    <message>
        <source>Backup Extension

An extension to which a caller can be forwarded during your personal greeting. Digits only, up to 6; leave it empty for none.</source>
        <translation>Ersatz-Nebenstelle

Eine Nebenstelle, zu der ein Anrufer während Ihrer persönlichen Ansage weitergeleitet werden kann. Nur Ziffern, höchstens 6; lassen Sie das Feld leer, wenn Sie keine möchten.</translation>
    </message>
    <message>
        <source>Operator Extension

The operator a caller reaches from your personal greeting. Choose one of the operator extensions set up on the device.</source>
        <translation>Vermittlung

Die Vermittlung, die ein Anrufer aus Ihrer persönlichen Ansage heraus erreicht. Wählen Sie eine der auf dem Gerät eingerichteten Vermittlungs-Nebenstellen.</translation>
    </message>
    <message>
        <source>Fax Extension

Where a fax call that reaches your personal greeting is sent. Choose one of the fax extensions set up on the device, or None.</source>
        <translation>Fax-Nebenstelle

Wohin ein Faxanruf geleitet wird, der Ihre persönliche Ansage erreicht. Wählen Sie eine der auf dem Gerät eingerichteten Fax-Nebenstellen oder „Keine“.</translation>
    </message>
    <message>
        <source>Announcer

When checked, callers hear your greeting only and cannot leave a message.</source>
        <translation>Nur Ansage

Wenn aktiviert, hören Anrufer nur Ihre Ansage und können keine Nachricht hinterlassen.</translation>
    </message>
    <message>
        <source>Do Not Disturb

When checked, calls are not put through to your extension. A virtual mailbox has no extension of its own and must always have it checked.</source>
        <translation>Nicht stören

Wenn aktiviert, werden Anrufe nicht zu Ihrer Nebenstelle durchgestellt. Eine virtuelle Mailbox hat keine eigene Nebenstelle; bei ihr muss diese Option immer aktiviert sein.</translation>
    </message>
    <message>
        <source>Time Stamp

When checked, the device tells you the date and time at which each message was left before playing it.</source>
        <translation>Zeitstempel

Wenn aktiviert, nennt Ihnen das Gerät vor jeder Nachricht Datum und Uhrzeit, zu der sie hinterlassen wurde.</translation>
    </message>
    <message>
        <source>Announcer</source>
        <extracomment>Mailbox Settings page, check box, 76 x 10 dialog units (about 16 characters).</extracomment>
        <translation>Nur Ansage</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <extracomment>Mailbox Settings page, check box, 68 x 10 dialog units (about 14 characters).</extracomment>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <extracomment>Mailbox Settings page, check box, 67 x 10 dialog units (about 13 characters).</extracomment>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Mailbox Settings page, button, 48 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Mailbox Settings page, label, 58 x 8 dialog units (about 14 characters).</extracomment>
        <translation>Mailbox-Nummer</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <translation>Ziel-Nebenstelle</translation>
    </message>
    <message>
        <source>Mailbox Language</source>
        <extracomment>Mailbox Settings page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Mailbox-Sprache</translation>
    </message>
    <message>
        <source>Mailbox Password</source>
        <extracomment>Mailbox Settings page, label, 66 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Mailbox-Kennwort</translation>
    </message>
    <message>
        <source>Forward options during personal greeting</source>
        <extracomment>Mailbox Settings page, group box caption, 177 x 84 dialog units (about 41 characters).</extracomment>
        <translation>Weiterleitung während der persönlichen Ansage</translation>
    </message>
    <message>
        <source>Backup Extension</source>
        <extracomment>Mailbox Settings page, label, 68 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Ersatz-Nebenstelle</translation>
    </message>
    <message>
        <source>Operator Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Vermittlung</translation>
    </message>
    <message>
        <source>Fax Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Fax-Nebenstelle</translation>
    </message>
    <message>
        <source>Mailbox Type</source>
        <translation>Mailbox-Typ</translation>
    </message>
    <message>
        <source>Local notification</source>
        <translation>Lokale Benachrichtigung</translation>
    </message>
    <message>
        <source>Mailbox operation modes</source>
        <extracomment>Mailbox Settings page, group box caption, 166 x 84 dialog units (about 38 characters).</extracomment>
        <translation>Betriebsarten der Mailbox</translation>
    </message>
    <message>
        <source>Mailbox Settings</source>
        <translation>Mailbox-Einstellungen</translation>
    </message>
    <message>
        <source>Real</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Virtual</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Virtuell</translation>
    </message>
    <message>
        <source>Puts the default password in</source>
        <translation>Trägt das Standardkennwort ein</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Settings page, fax extension list item, 81 dialog units wide (about 16 characters).</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1st Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>1. Sprache</translation>
    </message>
    <message>
        <source>2nd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>2. Sprache</translation>
    </message>
    <message>
        <source>3rd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>3. Sprache</translation>
    </message>
    <message>
        <source>Password is not valid. Please enter 4 digits</source>
        <translation>Das Kennwort ist ungültig. Bitte geben Sie 4 Ziffern ein</translation>
    </message>
    <message>
        <source>Virtual Mailboxes does not support Local Notification</source>
        <translation>Virtuelle Mailboxen unterstützen keine lokale Benachrichtigung</translation>
    </message>
    <message>
        <source>Virtual Mailboxes must be set to Do Not Disturb = Yes</source>
        <translation>Bei virtuellen Mailboxen muss „Nicht stören“ aktiviert sein</translation>
    </message>
    <message>
        <source>Selected Language is not supported</source>
        <translation>Die gewählte Sprache wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>English US</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Flemish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Flämisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Argentinean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Spanisch (Argentinien)</translation>
    </message>
    <message>
        <source>Chilean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Spanisch (Chile)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>CStatisticsPage</name>
    <message>
        <source>Number of new messages

Messages in the mailbox that have not been listened to yet, as the device last reported them.</source>
        <translation>Neue Nachrichten

Nachrichten in der Mailbox, die noch nicht abgehört wurden, wie vom Gerät zuletzt gemeldet.</translation>
    </message>
    <message>
        <source>Number of saved messages

Messages that have been listened to and kept, as the device last reported them.</source>
        <translation>Gespeicherte Nachrichten

Nachrichten, die abgehört und behalten wurden, wie vom Gerät zuletzt gemeldet.</translation>
    </message>
    <message>
        <source>Total number of messages

New and saved messages together.</source>
        <translation>Nachrichten insgesamt

Neue und gespeicherte Nachrichten zusammen.</translation>
    </message>
    <message>
        <source>Max. stored messages

The most messages the mailbox can hold. When it is full, callers cannot leave new messages.</source>
        <translation>Max. Nachrichten

Die größte Zahl an Nachrichten, die die Mailbox aufnehmen kann. Ist sie voll, können Anrufer keine neuen Nachrichten hinterlassen.</translation>
    </message>
    <message>
        <source>Number of new messages</source>
        <extracomment>Mailbox Statistics page, label, 87 x 8 dialog units (about 21 characters).</extracomment>
        <translation>Neue Nachrichten</translation>
    </message>
    <message>
        <source>Number of saved messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Gespeicherte Nachrichten</translation>
    </message>
    <message>
        <source>Total number of messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Nachrichten insgesamt</translation>
    </message>
    <message>
        <source>Max. stored messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Max. Nachrichten</translation>
    </message>
    <message>
        <source>Messages list</source>
        <translation>Nachrichtenliste</translation>
    </message>
    <message>
        <source>Mailbox Statistics</source>
        <translation>Mailbox-Statistik</translation>
    </message>
</context>
<context>
    <name>CZelMainDlg</name>
    <message>
        <source>Zel</source>
        <translation>Zel</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Zel...</source>
        <translation>Ü&amp;ber Zel...</translation>
    </message>
    <message>
        <source>Off Line! No relevant data is displayed!</source>
        <extracomment>Main window, label, 145 x 10 dialog units (about 36 characters).</extracomment>
        <translation>Offline! Keine gültigen Daten angezeigt!</translation>
    </message>
    <message>
        <source>Shutting down Zel program!</source>
        <translation>Zel wird beendet!</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not a port Zel can use.

Please set it to a number from %4 to %5 and start Zel again.</source>
        <translation>Der Wert „%1“ von „%2“ in %3 ist kein Port, den Zel verwenden kann.

Bitte setzen Sie ihn auf eine Zahl von %4 bis %5 und starten Sie Zel erneut.</translation>
    </message>
    <message>
        <source>Do you want to work offline?</source>
        <translation>Möchten Sie offline arbeiten?</translation>
    </message>
    <message>
        <source>Current mailbox configuration must be viewed before applying new data!

Please do &apos;Refresh&apos; first!</source>
        <translation>Die aktuelle Mailbox-Konfiguration muss abgerufen werden, bevor neue Daten übernommen werden können!

Bitte klicken Sie zuerst auf „Aktualisieren“!</translation>
    </message>
    <message>
        <source>Zel could not save the settings in %1.

They are used until Zel ends, and Zel will ask for them again at its next start.</source>
        <translation>Zel konnte die Einstellungen nicht in %1 speichern.

Sie gelten, bis Zel beendet wird, und Zel fragt beim nächsten Start erneut danach.</translation>
    </message>
    <message>
        <source>Zel shows and changes the settings of your voice-mail box on the voice-mail device.

Refresh asks the device for your mailbox&apos;s current settings and fills the three pages. The first time you do this after starting Zel, you are asked for your 4-digit mailbox password.

Mailbox Settings: your password, the mailbox language, where callers are forwarded during your personal greeting, and the operation modes.
Mailbox Notifications: how you are told about new messages: by telephone, pager, SMS or e-mail, where the device allows it.
Mailbox Statistics: how many new and saved messages your mailbox holds and how many it may store.

Apply checks your entries and sends them to the device. Apply is possible only after a successful Refresh.

If the device cannot be reached, you may work off line: the pages then show no data from the device, and Apply is refused until a Refresh succeeds.

Press F1 on a field of a page for help on that field.</source>
        <translation>Zel zeigt und ändert die Einstellungen Ihrer Sprach-Mailbox auf der Voicemail-Anlage.

„Aktualisieren“ ruft die aktuellen Einstellungen Ihrer Mailbox vom Gerät ab und füllt die drei Seiten. Beim ersten Mal nach dem Start von Zel werden Sie nach Ihrem vierstelligen Mailbox-Kennwort gefragt.

Mailbox-Einstellungen: Ihr Kennwort, die Sprache der Mailbox, wohin Anrufer während Ihrer persönlichen Ansage weitergeleitet werden, und die Betriebsarten.
Mailbox-Benachrichtigungen: wie Sie über neue Nachrichten informiert werden – per Telefon, Pager, SMS oder E-Mail, soweit das Gerät es zulässt.
Mailbox-Statistik: wie viele neue und gespeicherte Nachrichten Ihre Mailbox enthält und wie viele sie aufnehmen kann.

„Übernehmen“ prüft Ihre Eingaben und sendet sie an das Gerät. „Übernehmen“ ist erst nach einem erfolgreichen „Aktualisieren“ möglich.

Ist das Gerät nicht erreichbar, können Sie offline arbeiten: Die Seiten zeigen dann keine Daten vom Gerät, und „Übernehmen“ wird abgelehnt, bis ein „Aktualisieren“ gelingt.

Drücken Sie F1 in einem Feld einer Seite, um Hilfe zu diesem Feld zu erhalten.</translation>
    </message>
    <message>
        <source>For information about Zel, right-click the title banner and choose &quot;%1&quot;.</source>
        <translation>Für Informationen über Zel klicken Sie mit der rechten Maustaste auf das Titelbanner und wählen Sie „%1“.</translation>
    </message>
    <message>
        <source>For information about Zel, choose &quot;%1&quot; in the window&apos;s system menu (Alt+Space).</source>
        <translation>Für Informationen über Zel wählen Sie „%1“ im Systemmenü des Fensters (Alt+Leertaste).</translation>
    </message>
    <message>
        <source>Voice-Mail Box Manager</source>
        <extracomment>Main window, subtitle over the title banner in a large font, 320 x 13 dialog units (about 50 characters).</extracomment>
        <translation>Verwaltung der Sprach-Mailbox</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not an IPv4 address of a device.

Please set it to four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), and start Zel again.</source>
        <translation>Der Wert „%1“ von „%2“ in %3 ist keine IPv4-Adresse eines Geräts.

Bitte setzen Sie ihn auf vier durch Punkte getrennte Zahlen von 0 bis 255, die erste nicht 0 und keine mit führenden Nullen (etwa 192.168.1.20), und starten Sie Zel erneut.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Views and changes the settings of one voice-mail box on the network.
The device&apos;s address and port and the mailbox number are kept in Zel1.ini.</source>
        <translation>Zeigt und ändert die Einstellungen einer Sprach-Mailbox im Netzwerk.
Adresse und Port des Geräts sowie die Mailbox-Nummer stehen in Zel1.ini.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>ExchangeMessages</name>
    <message>
        <source>Failed to create UDP socket! Please restart ZEL program</source>
        <translation>Der UDP-Socket konnte nicht angelegt werden! Bitte starten Sie ZEL neu</translation>
    </message>
    <message>
        <source>Failed to connect the device !
Please check network connections</source>
        <translation>Keine Verbindung zum Gerät!
Bitte prüfen Sie die Netzwerkverbindungen</translation>
    </message>
    <message>
        <source>Mailbox number %s does not exist</source>
        <translation>Die Mailbox-Nummer %s existiert nicht</translation>
    </message>
    <message>
        <source>Data is not valid...Please try again</source>
        <translation>Die Daten sind ungültig... Bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Data Transfer is successfully completed</source>
        <translation>Die Datenübertragung wurde erfolgreich abgeschlossen</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Voice-mail device</source>
        <extracomment>Windows installer, title of the page that asks for the device: bold, one line of about 50 characters.</extracomment>
        <translation>Voicemail-Anlage</translation>
        <extra-LangString>DevicePageTitle</extra-LangString>
    </message>
    <message>
        <source>Where Zel finds the device, for every user of this PC</source>
        <extracomment>Windows installer, the device page&apos;s subtitle under its title: about 70 characters.</extracomment>
        <translation>Wo Zel das Gerät findet, für alle Benutzer dieses PCs</translation>
        <extra-LangString>DevicePageSubtitle</extra-LangString>
    </message>
    <message>
        <source>Zel asks each user for the device&apos;s address at the first start. Give it here to set it for every user of this PC, in %1; leave it empty to let each user give it. Without a port, Zel uses 5000.</source>
        <extracomment>Windows installer, the device page&apos;s explanation, above the fields &quot;Device IP address&quot; and &quot;Device Port number&quot; (Zel&apos;s start-up dialog&apos;s labels): four lines of about 80 characters. %1 is the machine-wide profile file, Zel1.ini in the Windows folder.</extracomment>
        <translation>Zel fragt jeden Benutzer beim ersten Start nach der Adresse des Geräts. Geben Sie sie hier an, um sie für alle Benutzer dieses PCs festzulegen, in %1; lassen Sie sie leer, damit jeder Benutzer sie selbst angibt. Ohne Port verwendet Zel 5000.</translation>
        <extra-LangString>DevicePageText</extra-LangString>
    </message>
    <message>
        <source>The device address &quot;%1&quot; is not an IPv4 address.

Give four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), or leave it empty.</source>
        <extracomment>Windows installer, message box when the device address given on the device page or as /DEVICE= is refused. %1 is that address.</extracomment>
        <translation>Die Geräteadresse „%1“ ist keine IPv4-Adresse.

Geben Sie vier durch Punkte getrennte Zahlen von 0 bis 255 an, die erste nicht 0 und keine mit führenden Nullen (etwa 192.168.1.20), oder lassen Sie sie leer.</translation>
        <extra-LangString>BadAddress</extra-LangString>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a port Zel can use.

Give a number from 1 to 65535, or leave it empty.</source>
        <extracomment>Windows installer, message box when the device port given on the device page or as /PORT= is refused. %1 is that port.</extracomment>
        <translation>Der Geräte-Port „%1“ ist kein Port, den Zel verwenden kann.

Geben Sie eine Zahl von 1 bis 65535 an oder lassen Sie ihn leer.</translation>
        <extra-LangString>BadPort</extra-LangString>
    </message>
    <message>
        <source>Zel is running from %1.

Close every Zel window (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel (as Windows names them in the user&apos;s language) while Zel runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>Zel läuft aus %1.

Schließen Sie jedes Zel-Fenster (auf diesem PC, bei allen Benutzern) und klicken Sie dann auf Wiederholen.</translation>
        <extra-LangString>ZelRunning</extra-LangString>
    </message>
    <message>
        <source>The device simulator zel-device.exe is running from %1.

End it (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel while the device simulator, a console program installed with Zel, runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>Der Gerätesimulator zel-device.exe läuft aus %1.

Beenden Sie ihn (auf diesem PC, bei allen Benutzern) und klicken Sie dann auf Wiederholen.</translation>
        <extra-LangString>DeviceRunning</extra-LangString>
    </message>
    <message>
        <source>The Zel installed in %1 could not be removed (exit code %2).</source>
        <extracomment>Windows installer, message box when the Zel it replaces could not be uninstalled. %1 is that Zel&apos;s folder, %2 its uninstaller&apos;s exit code.</extracomment>
        <translation>Das in %1 installierte Zel konnte nicht entfernt werden (Exit-Code %2).</translation>
        <extra-LangString>OldNotRemoved</extra-LangString>
    </message>
</context>
<context>
    <name>StatusLines</name>
    <message>
        <source>Exchange status</source>
        <translation>Status des Datenaustauschs</translation>
    </message>
    <message>
        <source>What to do next</source>
        <translation>Nächster Schritt</translation>
    </message>
</context>
<context>
    <name>zel::EditRules</name>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Hier können nur Ziffern eingegeben werden.</translation>
    </message>
    <message>
        <source>Only characters the device can store can be typed here: Western European letters, digits and symbols.</source>
        <translation>Hier können nur Zeichen eingegeben werden, die das Gerät speichern kann: westeuropäische Buchstaben, Ziffern und Sonderzeichen.</translation>
    </message>
</context>
<context>
    <name>zel::Ipv4AddressEdit</name>
    <message>
        <source>%1, part %2</source>
        <translation>%1, Teil %2</translation>
    </message>
</context>
</TS>
