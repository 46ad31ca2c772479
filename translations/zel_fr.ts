<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Voice-mail box settings tool</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>Outil de réglage de boîte vocale</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>About box, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zel</source>
        <translation>À propos de Zel</translation>
    </message>
    <message>
        <source>ZEL Version %1</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>ZEL version %1</translation>
    </message>
    <message>
        <source>Licences: %1</source>
        <extracomment>About box, third line, 184 x 8 dialog units (about 46 characters); %1 is a file&apos;s name, THIRD-PARTY-NOTICES.txt, beside the program.</extracomment>
        <translation>Licences&#xa0;: %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Connexion à l&apos;appareil...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Apply mailbox settings</source>
        <translation>Application des paramètres</translation>
    </message>
    <message>
        <source>To apply your mailbox settings press OK</source>
        <extracomment>Apply window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Cliquez sur OK pour appliquer vos paramètres</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Apply window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Cliquez sur OK</translation>
    </message>
    <message>
        <source>Waiting for Acknowledge...</source>
        <extracomment>Apply window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Attente de l&apos;accusé de réception...</translation>
    </message>
</context>
<context>
    <name>CDataInitDlg</name>
    <message>
        <source>Zel Data Initializing</source>
        <translation>Configuration initiale de Zel</translation>
    </message>
    <message>
        <source>Zel needs to know which mailbox is yours and where the voice-mail device is on your network.

Mailbox Number: the number of your voice-mail box, at most 6 characters.
Device IP address: the IPv4 address of the voice-mail device, for example 192.168.1.20. The first of the four numbers must not be 0.

OK saves both values in Zel&apos;s profile file, Zel1.ini, so that you are not asked again. Cancel ends Zel without saving anything.</source>
        <translation>Zel doit savoir quelle boîte vocale est la vôtre et où se trouve le système de messagerie vocale sur votre réseau.

Numéro de boîte&#xa0;: le numéro de votre boîte vocale, 6 caractères au plus.
IP de l&apos;appareil&#xa0;: l&apos;adresse IPv4 du système de messagerie vocale, par exemple 192.168.1.20. Le premier des quatre nombres ne doit pas être 0.

OK enregistre les deux valeurs dans le fichier de profil de Zel, Zel1.ini, pour que la question ne vous soit plus posée. Annuler quitte Zel sans rien enregistrer.</translation>
    </message>
    <message>
        <source>Zel cannot work without these required information: </source>
        <translation>Zel a besoin des informations suivantes&#xa0;: </translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Numéro de boîte</translation>
    </message>
    <message>
        <source>Device IP address</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>IP de l&apos;appareil</translation>
    </message>
    <message>
        <source>Device Port number</source>
        <translation>Port de l&apos;appareil</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The device port number &quot;%1&quot; has more than %2 characters.

Please correct &quot;Port_num&quot; in Zel1.ini, or press Cancel.</source>
        <translation>Le numéro de port de l&apos;appareil «&#xa0;%1&#xa0;» dépasse %2 caractères.

Corrigez «&#xa0;Port_num&#xa0;» dans Zel1.ini ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>Data entry error</source>
        <translation>Erreur de saisie</translation>
    </message>
</context>
<context>
    <name>CNotificationsPage</name>
    <message>
        <source>Local notification type

How your own telephone tells you of a new message: None, a message light (MSG Light 1 or 2), Sign Rings or Rings. It is set on the device and only shown here.</source>
        <translation>Type de notification

La façon dont votre propre téléphone vous signale un nouveau message&#xa0;: Aucune, un voyant (Voyant de message 1 ou 2), Sonnerie spéciale ou Sonnerie. Elle se règle sur l&apos;appareil et n&apos;est qu&apos;affichée ici.</translation>
    </message>
    <message>
        <source>Extension to notify

The extension that gets the local notification. It is set on the device and only shown here.</source>
        <translation>Poste à avertir

Le poste qui reçoit la notification locale. Il se règle sur l&apos;appareil et n&apos;est qu&apos;affiché ici.</translation>
    </message>
    <message>
        <source>Telephone number

The number the device calls to tell you of a new message. Up to 20 characters: the digits 0-9, * and #, and the dialling letters P, A, B, C, D and Q (either case).</source>
        <translation>Numéro de téléphone

Le numéro que l&apos;appareil appelle pour vous signaler un nouveau message. Jusqu&apos;à 20 caractères&#xa0;: les chiffres 0-9, * et #, et les lettres de numérotation P, A, B, C, D et Q (majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Enable (Telephone number)

When checked, the device calls the telephone number below for each new message. A number must then be entered.</source>
        <translation>Activer (Numéro de téléphone)

Si la case est cochée, l&apos;appareil appelle le numéro de téléphone ci-dessous à chaque nouveau message. Un numéro doit alors être saisi.</translation>
    </message>
    <message>
        <source>Enable (Pager number)

When checked, the device pages the number below for each new message. A pager number must then be entered.</source>
        <translation>Activer (Numéro de pager)

Si la case est cochée, l&apos;appareil appelle le pager au numéro ci-dessous à chaque nouveau message. Un numéro de pager doit alors être saisi.</translation>
    </message>
    <message>
        <source>Pager number

The pager the device calls for each new message. Up to 40 characters: the digits 0-9, * and #, the dialling letters P, A, B, C, D and Q, and X and $ (letters in either case).</source>
        <translation>Numéro de pager

Le pager que l&apos;appareil appelle à chaque nouveau message. Jusqu&apos;à 40 caractères&#xa0;: les chiffres 0-9, * et #, les lettres de numérotation P, A, B, C, D et Q, ainsi que X et $ (lettres majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>Enable (SMS)

When checked, the device sends a text message to the mobile number below for each new message. A number must then be entered.</source>
        <translation>Activer (SMS)

Si la case est cochée, l&apos;appareil envoie un SMS au numéro de mobile ci-dessous à chaque nouveau message. Un numéro doit alors être saisi.</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number

The mobile phone that gets the text message. Up to 40 characters: digits only, with an optional + at the start, e.g. +972541234567.</source>
        <translation>SMS - Numéro de mobile

Le téléphone mobile qui reçoit le SMS. Jusqu&apos;à 40 caractères&#xa0;: uniquement des chiffres, éventuellement précédés d&apos;un +, p. ex. +972541234567.</translation>
    </message>
    <message>
        <source>Enable (E-Mail)

When checked, the device e-mails the address below for each new message. Only available when the device supports e-mail notification.</source>
        <translation>Activer (E-mail)

Si la case est cochée, l&apos;appareil envoie un e-mail à l&apos;adresse ci-dessous à chaque nouveau message. Disponible uniquement si l&apos;appareil prend en charge la notification par e-mail.</translation>
    </message>
    <message>
        <source>E-Mail target address

The address that gets the notification e-mail, up to 60 characters.</source>
        <translation>Adresse e-mail de destination

L&apos;adresse qui reçoit l&apos;e-mail de notification, jusqu&apos;à 60 caractères.</translation>
    </message>
    <message>
        <source>Message type

What the notification e-mail carries: no attachment, the voice message attached, attached and kept in the mailbox, or attached and deleted from the mailbox. Attached and deleted is not safe: a lost e-mail loses the message.</source>
        <translation>Type d&apos;envoi

Ce que contient l&apos;e-mail de notification&#xa0;: aucune pièce jointe, le message vocal en pièce jointe, joint et conservé dans la boîte vocale, ou joint et supprimé de la boîte vocale. Joindre et supprimer n&apos;est pas sûr&#xa0;: si l&apos;e-mail se perd, le message est perdu.</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).</extracomment>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Telephone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Pager number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Numéro de pager</translation>
    </message>
    <message>
        <source>E-Mail target address</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 80 dialog units (about 41 characters).</extracomment>
        <translation>Adresse e-mail de destination</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 47 dialog units (about 41 characters).</extracomment>
        <translation>SMS - Numéro de mobile</translation>
    </message>
    <message>
        <source>Message type</source>
        <extracomment>Mailbox Notifications page, label, 46 x 8 dialog units (about 11 characters).</extracomment>
        <translation>Type d&apos;envoi</translation>
    </message>
    <message>
        <source>External notification is Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>La notification externe est autorisée</translation>
    </message>
    <message>
        <source>External notifications</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 167 dialog units (about 91 characters).</extracomment>
        <translation>Notifications externes</translation>
    </message>
    <message>
        <source>Local notification</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 34 dialog units (about 91 characters).</extracomment>
        <translation>Notification locale</translation>
    </message>
    <message>
        <source>Local notification type</source>
        <extracomment>Mailbox Notifications page, label, 75 x 8 dialog units (about 18 characters).</extracomment>
        <translation>Type de notification</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <extracomment>Mailbox Notifications page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Poste à avertir</translation>
    </message>
    <message>
        <source>Mailbox Notifications</source>
        <translation>Notifications de la boîte vocale</translation>
    </message>
    <message>
        <source>Without attachment</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Sans pièce jointe</translation>
    </message>
    <message>
        <source>With voice message attached</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Avec le message vocal en pièce jointe</translation>
    </message>
    <message>
        <source>Voice message attached and saved</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Message vocal joint et conservé</translation>
    </message>
    <message>
        <source>Voice message attached and deleted</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Message vocal joint et supprimé</translation>
    </message>
    <message>
        <source>External notification is Not Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>La notification externe n&apos;est pas autorisée</translation>
    </message>
    <message>
        <source>This delivery method is not secure!
Network problems may corrupt the message and all information will be lost.
Are you sure you want to use this method?</source>
        <translation>Ce type d&apos;envoi n&apos;est pas sûr&#xa0;!
Un problème réseau peut altérer le message et toutes les informations seront perdues.
Voulez-vous vraiment utiliser ce type d&apos;envoi&#xa0;?</translation>
    </message>
    <message>
        <source>When enabling Phone notification a Phone number must be defined</source>
        <translation>Pour activer la notification par téléphone, un numéro de téléphone doit être défini</translation>
    </message>
    <message>
        <source>Phone number is not valid</source>
        <translation>Le numéro de téléphone n&apos;est pas valide</translation>
    </message>
    <message>
        <source>When enabling Pager notification a Pager number must be defined</source>
        <translation>Pour activer la notification par pager, un numéro de pager doit être défini</translation>
    </message>
    <message>
        <source>Pager number is not valid</source>
        <translation>Le numéro de pager n&apos;est pas valide</translation>
    </message>
    <message>
        <source>When enabling SMS notification a SMS number must be defined</source>
        <translation>Pour activer la notification par SMS, un numéro pour les SMS doit être défini</translation>
    </message>
    <message>
        <source>SMS number is not valid</source>
        <translation>Le numéro pour les SMS n&apos;est pas valide</translation>
    </message>
    <message>
        <source>When enabling Email notification an Email address must be defined</source>
        <translation>Pour activer la notification par e-mail, une adresse e-mail doit être définie</translation>
    </message>
    <message>
        <source>Email notification type is not valid</source>
        <translation>Le type d&apos;envoi n&apos;est pas valide</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>MSG Light 1</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Voyant de message 1</translation>
    </message>
    <message>
        <source>MSG Light 2</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Voyant de message 2</translation>
    </message>
    <message>
        <source>Sign Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Sonnerie spéciale</translation>
    </message>
    <message>
        <source>Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <extracomment>What a screen reader says for an &quot;Enable&quot; check box; %1 is the caption of its group (&quot;Telephone number&quot;, &quot;Pager number&quot;, ...).</extracomment>
        <translation>Activer (%1)</translation>
    </message>
</context>
<context>
    <name>CPreApplyDlg</name>
    <message>
        <source>Please wait...</source>
        <extracomment>Wait window of Apply, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pre-Apply settings</source>
        <translation>Vérification des paramètres</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Connexion à l&apos;appareil...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Refresh mailbox settings view</source>
        <translation>Lecture des paramètres</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>To view your mailbox settings</source>
        <extracomment>Refresh window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Pour afficher les paramètres de votre boîte</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Refresh window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Cliquez sur OK</translation>
    </message>
    <message>
        <source>Please enter Password for mailbox %s</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters); %s is a mailbox number of up to 6 digits.</extracomment>
        <translation>Entrez le mot de passe de la boîte %s</translation>
    </message>
    <message>
        <source>Incorrect Password, Please try again</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Mot de passe incorrect, veuillez réessayer</translation>
    </message>
</context>
<context>
    <name>CSettingsPage</name>
    <message>
        <source>Mailbox Number

The number of the mailbox these settings belong to. It is set when Zel is configured and cannot be changed here.</source>
        <translation>Numéro de boîte

Le numéro de la boîte vocale à laquelle appartiennent ces paramètres. Il est défini lors de la configuration de Zel et ne peut pas être modifié ici.</translation>
    </message>
    <message>
        <source>Mailbox Password

The mailbox&apos;s password: exactly 4 digits. Press Reset to put in the default password 5823. A new password reaches the device with the next Apply.</source>
        <translation>Mot de passe

Le mot de passe de la boîte vocale&#xa0;: exactement 4 chiffres. Réinitialiser y place le mot de passe par défaut 5823. Un nouveau mot de passe n&apos;est transmis à l&apos;appareil qu&apos;au prochain Appliquer.</translation>
    </message>
    <message>
        <source>Mailbox Language

The language in which the device speaks to callers and to you. Choose one of the languages installed on the device; a slot shown as Unknown or Not Installed cannot be chosen.</source>
        <translation>Langue de la boîte

La langue dans laquelle l&apos;appareil s&apos;adresse aux appelants et à vous. Choisissez l&apos;une des langues installées sur l&apos;appareil&#xa0;; un emplacement affiché comme Inconnue ou Non installée ne peut pas être choisi.</translation>
    </message>
    <message>
        <source>Backup Extension

An extension to which a caller can be forwarded during your personal greeting. Digits only, up to 6; leave it empty for none.</source>
        <translation>Poste de secours

Un poste vers lequel l&apos;appelant peut être renvoyé pendant votre annonce personnelle. Chiffres uniquement, 6 au plus&#xa0;; laissez vide pour aucun.</translation>
    </message>
    <message>
        <source>Operator Extension

The operator a caller reaches from your personal greeting. Choose one of the operator extensions set up on the device.</source>
        <translation>Poste opérateur

L&apos;opérateur que l&apos;appelant joint depuis votre annonce personnelle. Choisissez l&apos;un des postes opérateur configurés sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>Fax Extension

Where a fax call that reaches your personal greeting is sent. Choose one of the fax extensions set up on the device, or None.</source>
        <translation>Poste de fax

Le poste vers lequel est envoyé un appel de fax qui arrive sur votre annonce personnelle. Choisissez l&apos;un des postes de fax configurés sur l&apos;appareil, ou Aucun.</translation>
    </message>
    <message>
        <source>Announcer

When checked, callers hear your greeting only and cannot leave a message.</source>
        <translation>Annonce seule

Si la case est cochée, les appelants entendent seulement votre annonce et ne peuvent pas laisser de message.</translation>
    </message>
    <message>
        <source>Do Not Disturb

When checked, calls are not put through to your extension. A virtual mailbox has no extension of its own and must always have it checked.</source>
        <translation>Ne pas déranger

Si la case est cochée, les appels ne sont pas transmis à votre poste. Une boîte vocale virtuelle n&apos;a pas de poste propre&#xa0;: la case doit toujours y être cochée.</translation>
    </message>
    <message>
        <source>Time Stamp

When checked, the device tells you the date and time at which each message was left before playing it.</source>
        <translation>Horodatage

Si la case est cochée, l&apos;appareil vous indique la date et l&apos;heure de dépôt de chaque message avant de le lire.</translation>
    </message>
    <message>
        <source>Announcer</source>
        <extracomment>Mailbox Settings page, check box, 76 x 10 dialog units (about 16 characters).</extracomment>
        <translation>Annonce seule</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <extracomment>Mailbox Settings page, check box, 68 x 10 dialog units (about 14 characters).</extracomment>
        <translation>Ne pas déranger</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <extracomment>Mailbox Settings page, check box, 67 x 10 dialog units (about 13 characters).</extracomment>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Mailbox Settings page, button, 48 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Mailbox Settings page, label, 58 x 8 dialog units (about 14 characters).</extracomment>
        <translation>Numéro de boîte</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <translation>Poste à avertir</translation>
    </message>
    <message>
        <source>Mailbox Language</source>
        <extracomment>Mailbox Settings page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Langue de la boîte</translation>
    </message>
    <message>
        <source>Mailbox Password</source>
        <extracomment>Mailbox Settings page, label, 66 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Forward options during personal greeting</source>
        <extracomment>Mailbox Settings page, group box caption, 177 x 84 dialog units (about 41 characters).</extracomment>
        <translation>Renvoi pendant l&apos;annonce personnelle</translation>
    </message>
    <message>
        <source>Backup Extension</source>
        <extracomment>Mailbox Settings page, label, 68 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Poste de secours</translation>
    </message>
    <message>
        <source>Operator Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Poste opérateur</translation>
    </message>
    <message>
        <source>Fax Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Poste de fax</translation>
    </message>
    <message>
        <source>Mailbox Type</source>
        <translation>Type de boîte</translation>
    </message>
    <message>
        <source>Local notification</source>
        <translation>Notification locale</translation>
    </message>
    <message>
        <source>Mailbox operation modes</source>
        <extracomment>Mailbox Settings page, group box caption, 166 x 84 dialog units (about 38 characters).</extracomment>
        <translation>Modes de fonctionnement</translation>
    </message>
    <message>
        <source>Mailbox Settings</source>
        <translation>Paramètres de la boîte vocale</translation>
    </message>
    <message>
        <source>Real</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Réelle</translation>
    </message>
    <message>
        <source>Virtual</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Virtuelle</translation>
    </message>
    <message>
        <source>Puts the default password in</source>
        <translation>Place le mot de passe par défaut</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Settings page, fax extension list item, 81 dialog units wide (about 16 characters).</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>1st Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>1re langue</translation>
    </message>
    <message>
        <source>2nd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>2e langue</translation>
    </message>
    <message>
        <source>3rd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>3e langue</translation>
    </message>
    <message>
        <source>Password is not valid. Please enter 4 digits</source>
        <translation>Le mot de passe n&apos;est pas valide. Saisissez 4 chiffres</translation>
    </message>
    <message>
        <source>Virtual Mailboxes does not support Local Notification</source>
        <translation>Les boîtes vocales virtuelles ne prennent pas en charge la notification locale</translation>
    </message>
    <message>
        <source>Virtual Mailboxes must be set to Do Not Disturb = Yes</source>
        <translation>Les boîtes vocales virtuelles doivent être réglées sur Ne pas déranger = Oui</translation>
    </message>
    <message>
        <source>Selected Language is not supported</source>
        <translation>La langue choisie n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>English US</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <source>Russian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Polish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Greek</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Romanian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Turkish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Danish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Czech</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Flemish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Flamand</translation>
    </message>
    <message>
        <source>Thai</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Chinese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Argentinean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Espagnol (Argentine)</translation>
    </message>
    <message>
        <source>Chilean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Espagnol (Chili)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Japanese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Non installée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Inconnue</translation>
    </message>
</context>
<context>
    <name>CStatisticsPage</name>
    <message>
        <source>Number of new messages

Messages in the mailbox that have not been listened to yet, as the device last reported them.</source>
        <translation>Nouveaux messages

Les messages de la boîte vocale qui n&apos;ont pas encore été écoutés, tels que l&apos;appareil les a signalés en dernier.</translation>
    </message>
    <message>
        <source>Number of saved messages

Messages that have been listened to and kept, as the device last reported them.</source>
        <translation>Messages sauvegardés

Les messages écoutés et conservés, tels que l&apos;appareil les a signalés en dernier.</translation>
    </message>
    <message>
        <source>Total number of messages

New and saved messages together.</source>
        <translation>Nombre total de messages

Les nouveaux messages et les messages sauvegardés ensemble.</translation>
    </message>
    <message>
        <source>Max. stored messages

The most messages the mailbox can hold. When it is full, callers cannot leave new messages.</source>
        <translation>Nombre max. de messages

Le nombre maximal de messages que la boîte vocale peut contenir. Quand elle est pleine, les appelants ne peuvent plus laisser de nouveaux messages.</translation>
    </message>
    <message>
        <source>Number of new messages</source>
        <extracomment>Mailbox Statistics page, label, 87 x 8 dialog units (about 21 characters).</extracomment>
        <translation>Nouveaux messages</translation>
    </message>
    <message>
        <source>Number of saved messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Messages sauvegardés</translation>
    </message>
    <message>
        <source>Total number of messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Nombre total de messages</translation>
    </message>
    <message>
        <source>Max. stored messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Nombre max. de messages</translation>
    </message>
    <message>
        <source>Messages list</source>
        <translation>Liste des messages</translation>
    </message>
    <message>
        <source>Mailbox Statistics</source>
        <translation>Statistiques de la boîte vocale</translation>
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
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Zel...</source>
        <translation>À &amp;propos de Zel...</translation>
    </message>
    <message>
        <source>Off Line! No relevant data is displayed!</source>
        <extracomment>Main window, label, 145 x 10 dialog units (about 36 characters).</extracomment>
        <translation>Hors ligne&#xa0;! Aucune donnée de l&apos;appareil&#xa0;!</translation>
    </message>
    <message>
        <source>Shutting down Zel program!</source>
        <translation>Fermeture du programme Zel&#xa0;!</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not a port Zel can use.

Please set it to a number from %4 to %5 and start Zel again.</source>
        <translation>La valeur «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» dans %3 n&apos;est pas un port utilisable par Zel.

Remplacez-la par un nombre de %4 à %5, puis redémarrez Zel.</translation>
    </message>
    <message>
        <source>Do you want to work offline?</source>
        <translation>Voulez-vous travailler hors ligne&#xa0;?</translation>
    </message>
    <message>
        <source>Current mailbox configuration must be viewed before applying new data!

Please do &apos;Refresh&apos; first!</source>
        <translation>La configuration actuelle de la boîte vocale doit être lue avant d&apos;appliquer de nouvelles données&#xa0;!

Cliquez d&apos;abord sur «&#xa0;Actualiser&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>Zel could not save the settings in %1.

They are used until Zel ends, and Zel will ask for them again at its next start.</source>
        <translation>Zel n&apos;a pas pu enregistrer les paramètres dans %1.

Ils restent valables jusqu&apos;à la fermeture de Zel, qui vous les redemandera au prochain démarrage.</translation>
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
        <translation>Zel affiche et modifie les paramètres de votre boîte vocale sur le système de messagerie vocale.

Actualiser demande à l&apos;appareil les paramètres actuels de votre boîte vocale et remplit les trois pages. La première fois après le démarrage de Zel, le mot de passe à 4 chiffres de votre boîte vocale vous est demandé.

Paramètres de la boîte vocale&#xa0;: votre mot de passe, la langue de la boîte, le renvoi des appelants pendant votre annonce personnelle et les modes de fonctionnement.
Notifications de la boîte vocale&#xa0;: comment vous êtes averti des nouveaux messages (par téléphone, pager, SMS ou e-mail), si l&apos;appareil le permet.
Statistiques de la boîte vocale&#xa0;: le nombre de messages nouveaux et sauvegardés de votre boîte et le nombre qu&apos;elle peut contenir.

Appliquer vérifie vos saisies et les envoie à l&apos;appareil. Appliquer n&apos;est possible qu&apos;après une actualisation réussie.

Si l&apos;appareil est injoignable, vous pouvez travailler hors ligne&#xa0;: les pages n&apos;affichent alors aucune donnée de l&apos;appareil, et Appliquer est refusé jusqu&apos;à ce qu&apos;une actualisation réussisse.

Appuyez sur F1 dans un champ d&apos;une page pour obtenir de l&apos;aide sur ce champ.</translation>
    </message>
    <message>
        <source>For information about Zel, right-click the title banner and choose &quot;%1&quot;.</source>
        <translation>Pour obtenir des informations sur Zel, cliquez avec le bouton droit sur la bannière de titre et choisissez «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>For information about Zel, choose &quot;%1&quot; in the window&apos;s system menu (Alt+Space).</source>
        <translation>Pour obtenir des informations sur Zel, choisissez «&#xa0;%1&#xa0;» dans le menu système de la fenêtre (Alt+Espace).</translation>
    </message>
    <message>
        <source>Voice-Mail Box Manager</source>
        <extracomment>Main window, subtitle over the title banner in a large font, 320 x 13 dialog units (about 50 characters).</extracomment>
        <translation>Gestionnaire de boîte vocale</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not an IPv4 address of a device.

Please set it to four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), and start Zel again.</source>
        <translation>La valeur «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» dans %3 n&apos;est pas l&apos;adresse IPv4 d&apos;un appareil.

Remplacez-la par quatre nombres de 0 à 255 séparés par des points, le premier différent de 0 et aucun avec des zéros en tête (par exemple 192.168.1.20), puis redémarrez Zel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Views and changes the settings of one voice-mail box on the network.
The device&apos;s address and port and the mailbox number are kept in Zel1.ini.</source>
        <translation>Affiche et modifie les paramètres d&apos;une boîte vocale sur le réseau.
L&apos;adresse et le port de l&apos;appareil ainsi que le numéro de boîte sont conservés dans Zel1.ini.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ExchangeMessages</name>
    <message>
        <source>Failed to create UDP socket! Please restart ZEL program</source>
        <translation>Impossible de créer le socket UDP&#xa0;! Veuillez redémarrer le programme ZEL</translation>
    </message>
    <message>
        <source>Failed to connect the device !
Please check network connections</source>
        <translation>Impossible de se connecter à l&apos;appareil&#xa0;!
Vérifiez les connexions réseau</translation>
    </message>
    <message>
        <source>Mailbox number %s does not exist</source>
        <translation>La boîte vocale numéro %s n&apos;existe pas</translation>
    </message>
    <message>
        <source>Data is not valid...Please try again</source>
        <translation>Les données ne sont pas valides... Veuillez réessayer</translation>
    </message>
    <message>
        <source>Data Transfer is successfully completed</source>
        <translation>Le transfert des données s&apos;est terminé avec succès</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Voice-mail device</source>
        <extracomment>Windows installer, title of the page that asks for the device: bold, one line of about 50 characters.</extracomment>
        <translation>Système de messagerie vocale</translation>
        <extra-LangString>DevicePageTitle</extra-LangString>
    </message>
    <message>
        <source>Where Zel finds the device, for every user of this PC</source>
        <extracomment>Windows installer, the device page&apos;s subtitle under its title: about 70 characters.</extracomment>
        <translation>Où Zel trouve l&apos;appareil, pour tous les utilisateurs de ce PC</translation>
        <extra-LangString>DevicePageSubtitle</extra-LangString>
    </message>
    <message>
        <source>Zel asks each user for the device&apos;s address at the first start. Give it here to set it for every user of this PC, in %1; leave it empty to let each user give it. Without a port, Zel uses 5000.</source>
        <extracomment>Windows installer, the device page&apos;s explanation, above the fields &quot;Device IP address&quot; and &quot;Device Port number&quot; (Zel&apos;s start-up dialog&apos;s labels): four lines of about 80 characters. %1 is the machine-wide profile file, Zel1.ini in the Windows folder.</extracomment>
        <translation>Zel demande à chaque utilisateur l&apos;adresse de l&apos;appareil au premier démarrage. Indiquez-la ici pour la définir pour tous les utilisateurs de ce PC, dans %1&#xa0;; laissez-la vide pour que chaque utilisateur l&apos;indique lui-même. Sans port, Zel utilise 5000.</translation>
        <extra-LangString>DevicePageText</extra-LangString>
    </message>
    <message>
        <source>The device address &quot;%1&quot; is not an IPv4 address.

Give four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), or leave it empty.</source>
        <extracomment>Windows installer, message box when the device address given on the device page or as /DEVICE= is refused. %1 is that address.</extracomment>
        <translation>L&apos;adresse de l&apos;appareil «&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv4.

Indiquez quatre nombres de 0 à 255 séparés par des points, le premier différent de 0 et aucun avec des zéros en tête (par exemple 192.168.1.20), ou laissez-la vide.</translation>
        <extra-LangString>BadAddress</extra-LangString>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a port Zel can use.

Give a number from 1 to 65535, or leave it empty.</source>
        <extracomment>Windows installer, message box when the device port given on the device page or as /PORT= is refused. %1 is that port.</extracomment>
        <translation>Le port de l&apos;appareil «&#xa0;%1&#xa0;» n&apos;est pas un port utilisable par Zel.

Indiquez un nombre de 1 à 65535, ou laissez-le vide.</translation>
        <extra-LangString>BadPort</extra-LangString>
    </message>
    <message>
        <source>Zel is running from %1.

Close every Zel window (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel (as Windows names them in the user&apos;s language) while Zel runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>Zel est en cours d&apos;exécution à partir de %1.

Fermez toutes les fenêtres de Zel (sur ce PC, pour tous les utilisateurs), puis cliquez sur Réessayer.</translation>
        <extra-LangString>ZelRunning</extra-LangString>
    </message>
    <message>
        <source>The device simulator zel-device.exe is running from %1.

End it (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel while the device simulator, a console program installed with Zel, runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>Le simulateur d&apos;appareil zel-device.exe est en cours d&apos;exécution à partir de %1.

Arrêtez-le (sur ce PC, pour tous les utilisateurs), puis cliquez sur Réessayer.</translation>
        <extra-LangString>DeviceRunning</extra-LangString>
    </message>
    <message>
        <source>The Zel installed in %1 could not be removed (exit code %2).</source>
        <extracomment>Windows installer, message box when the Zel it replaces could not be uninstalled. %1 is that Zel&apos;s folder, %2 its uninstaller&apos;s exit code.</extracomment>
        <translation>Le Zel installé dans %1 n&apos;a pas pu être supprimé (code de sortie %2).</translation>
        <extra-LangString>OldNotRemoved</extra-LangString>
    </message>
</context>
<context>
    <name>StatusLines</name>
    <message>
        <source>Exchange status</source>
        <translation>État de l&apos;échange</translation>
    </message>
    <message>
        <source>What to do next</source>
        <translation>Étape suivante</translation>
    </message>
</context>
<context>
    <name>zel::EditRules</name>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Seuls des chiffres peuvent être saisis ici.</translation>
    </message>
    <message>
        <source>Only characters the device can store can be typed here: Western European letters, digits and symbols.</source>
        <translation>Seuls les caractères que l&apos;appareil peut enregistrer peuvent être saisis ici&#xa0;: lettres d&apos;Europe occidentale, chiffres et symboles.</translation>
    </message>
</context>
<context>
    <name>zel::Ipv4AddressEdit</name>
    <message>
        <source>%1, part %2</source>
        <translation>%1, partie %2</translation>
    </message>
</context>
</TS>
