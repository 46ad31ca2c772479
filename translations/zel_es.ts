<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Voice-mail box settings tool</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>Configurador del buzón de voz</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>About box, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Zel</source>
        <translation>Acerca de Zel</translation>
    </message>
    <message>
        <source>ZEL Version %1</source>
        <extracomment>About box, label, 119 x 8 dialog units (about 29 characters).</extracomment>
        <translation>ZEL versión %1</translation>
    </message>
    <message>
        <source>Licences: %1</source>
        <extracomment>About box, third line, 184 x 8 dialog units (about 46 characters); %1 is a file&apos;s name, THIRD-PARTY-NOTICES.txt, beside the program.</extracomment>
        <translation>Licencias: %1</translation>
    </message>
</context>
<context>
    <name>CApplyDlg</name>
    <message>
        <source>OK</source>
        <extracomment>Apply window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Apply window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Conectando con el dispositivo ...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Apply window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Apply mailbox settings</source>
        <translation>Aplicar la configuración del buzón</translation>
    </message>
    <message>
        <source>To apply your mailbox settings press OK</source>
        <extracomment>Apply window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Pulse Aceptar para aplicar la configuración</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Apply window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Pulse Aceptar</translation>
    </message>
    <message>
        <source>Waiting for Acknowledge...</source>
        <extracomment>Apply window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Esperando la confirmación...</translation>
    </message>
</context>
<context>
    <name>CDataInitDlg</name>
    <message>
        <source>Zel Data Initializing</source>
        <translation>Configuración inicial de Zel</translation>
    </message>
    <message>
        <source>Zel needs to know which mailbox is yours and where the voice-mail device is on your network.

Mailbox Number: the number of your voice-mail box, at most 6 characters.
Device IP address: the IPv4 address of the voice-mail device, for example 192.168.1.20. The first of the four numbers must not be 0.

OK saves both values in Zel&apos;s profile file, Zel1.ini, so that you are not asked again. Cancel ends Zel without saving anything.</source>
        <translation>Zel necesita saber cuál es su buzón y dónde está el equipo de buzón de voz en su red.

Número de buzón: el número de su buzón de voz, como máximo 6 caracteres.
IP del dispositivo: la dirección IPv4 del equipo de buzón de voz, por ejemplo 192.168.1.20. El primero de los cuatro números no puede ser 0.

Aceptar guarda ambos valores en el archivo de perfil de Zel, Zel1.ini, para que no se le vuelva a preguntar. Cancelar cierra Zel sin guardar nada.</translation>
    </message>
    <message>
        <source>Zel cannot work without these required information: </source>
        <translation>Zel no puede funcionar sin estos datos: </translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Número de buzón</translation>
    </message>
    <message>
        <source>Device IP address</source>
        <extracomment>Start-up dialog, label, 64 x 8 dialog units (about 16 characters).</extracomment>
        <translation>IP del dispositivo</translation>
    </message>
    <message>
        <source>Device Port number</source>
        <translation>Puerto del dispositivo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Start-up dialog, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Introduzca como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The device port number &quot;%1&quot; has more than %2 characters.

Please correct &quot;Port_num&quot; in Zel1.ini, or press Cancel.</source>
        <translation>El número de puerto del dispositivo «%1» tiene más de %2 caracteres.

Corrija «Port_num» en Zel1.ini o pulse Cancelar.</translation>
    </message>
    <message>
        <source>Data entry error</source>
        <translation>Error en los datos introducidos</translation>
    </message>
</context>
<context>
    <name>CNotificationsPage</name>
    <message>
        <source>Local notification type

How your own telephone tells you of a new message: None, a message light (MSG Light 1 or 2), Sign Rings or Rings. It is set on the device and only shown here.</source>
        <translation>Tipo de notificación

Cómo le avisa su propio teléfono de un mensaje nuevo: Ninguna, una luz de mensaje (Luz de mensaje 1 o 2), Timbre especial o Timbre. Se configura en el dispositivo y aquí solo se muestra.</translation>
    </message>
    <message>
        <source>Extension to notify

The extension that gets the local notification. It is set on the device and only shown here.</source>
        <translation>Extensión a avisar

La extensión que recibe la notificación local. Se configura en el dispositivo y aquí solo se muestra.</translation>
    </message>
    <message>
        <source>Telephone number

The number the device calls to tell you of a new message. Up to 20 characters: the digits 0-9, * and #, and the dialling letters P, A, B, C, D and Q (either case).</source>
        <translation>Número de teléfono

El número al que llama el dispositivo para avisarle de un mensaje nuevo. Hasta 20 caracteres: las cifras 0-9, * y #, y las letras de marcación P, A, B, C, D y Q (en mayúscula o minúscula).</translation>
    </message>
    <message>
        <source>Enable (Telephone number)

When checked, the device calls the telephone number below for each new message. A number must then be entered.</source>
        <translation>Activar (Número de teléfono)

Si está marcada, el dispositivo llama al número de teléfono de abajo por cada mensaje nuevo. En ese caso debe introducir un número.</translation>
    </message>
    <message>
        <source>Enable (Pager number)

When checked, the device pages the number below for each new message. A pager number must then be entered.</source>
        <translation>Activar (Número del buscapersonas)

Si está marcada, el dispositivo envía una notificación al buscapersonas de abajo por cada mensaje nuevo. En ese caso debe introducir un número de buscapersonas.</translation>
    </message>
    <message>
        <source>Pager number

The pager the device calls for each new message. Up to 40 characters: the digits 0-9, * and #, the dialling letters P, A, B, C, D and Q, and X and $ (letters in either case).</source>
        <translation>Número del buscapersonas

El buscapersonas al que llama el dispositivo por cada mensaje nuevo. Hasta 40 caracteres: las cifras 0-9, * y #, las letras de marcación P, A, B, C, D y Q, y también X y $ (letras en mayúscula o minúscula).</translation>
    </message>
    <message>
        <source>Enable (SMS)

When checked, the device sends a text message to the mobile number below for each new message. A number must then be entered.</source>
        <translation>Activar (SMS)

Si está marcada, el dispositivo envía un SMS al número de móvil de abajo por cada mensaje nuevo. En ese caso debe introducir un número.</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number

The mobile phone that gets the text message. Up to 40 characters: digits only, with an optional + at the start, e.g. +972541234567.</source>
        <translation>SMS - Número de móvil

El teléfono móvil que recibe el SMS. Hasta 40 caracteres: solo cifras, con un + opcional al principio, p. ej. +972541234567.</translation>
    </message>
    <message>
        <source>Enable (E-Mail)

When checked, the device e-mails the address below for each new message. Only available when the device supports e-mail notification.</source>
        <translation>Activar (correo electrónico)

Si está marcada, el dispositivo envía un correo a la dirección de abajo por cada mensaje nuevo. Solo está disponible si el dispositivo admite la notificación por correo electrónico.</translation>
    </message>
    <message>
        <source>E-Mail target address

The address that gets the notification e-mail, up to 60 characters.</source>
        <translation>Dirección de correo de destino

La dirección que recibe el correo de notificación, hasta 60 caracteres.</translation>
    </message>
    <message>
        <source>Message type

What the notification e-mail carries: no attachment, the voice message attached, attached and kept in the mailbox, or attached and deleted from the mailbox. Attached and deleted is not safe: a lost e-mail loses the message.</source>
        <translation>Tipo de envío

Lo que lleva el correo de notificación: ningún adjunto, el mensaje de voz adjunto, adjunto y conservado en el buzón, o adjunto y borrado del buzón. Adjuntar y borrar no es seguro: si el correo se pierde, el mensaje también.</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).</extracomment>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Telephone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Pager number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).</extracomment>
        <translation>Número del buscapersonas</translation>
    </message>
    <message>
        <source>E-Mail target address</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 80 dialog units (about 41 characters).</extracomment>
        <translation>Dirección de correo de destino</translation>
    </message>
    <message>
        <source>SMS - Mobile phone number</source>
        <extracomment>Mailbox Notifications page, group box caption, 178 x 47 dialog units (about 41 characters).</extracomment>
        <translation>SMS - Número de móvil</translation>
    </message>
    <message>
        <source>Message type</source>
        <extracomment>Mailbox Notifications page, label, 46 x 8 dialog units (about 11 characters).</extracomment>
        <translation>Tipo de envío</translation>
    </message>
    <message>
        <source>External notification is Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>La notificación externa está permitida</translation>
    </message>
    <message>
        <source>External notifications</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 167 dialog units (about 91 characters).</extracomment>
        <translation>Notificaciones externas</translation>
    </message>
    <message>
        <source>Local notification</source>
        <extracomment>Mailbox Notifications page, group box caption, 379 x 34 dialog units (about 91 characters).</extracomment>
        <translation>Notificación local</translation>
    </message>
    <message>
        <source>Local notification type</source>
        <extracomment>Mailbox Notifications page, label, 75 x 8 dialog units (about 18 characters).</extracomment>
        <translation>Tipo de notificación</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <extracomment>Mailbox Notifications page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Extensión a avisar</translation>
    </message>
    <message>
        <source>Mailbox Notifications</source>
        <translation>Notificaciones del buzón</translation>
    </message>
    <message>
        <source>Without attachment</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Sin adjunto</translation>
    </message>
    <message>
        <source>With voice message attached</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Con el mensaje de voz adjunto</translation>
    </message>
    <message>
        <source>Voice message attached and saved</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Mensaje de voz adjunto y guardado</translation>
    </message>
    <message>
        <source>Voice message attached and deleted</source>
        <extracomment>Mailbox Notifications page, message type list item, 162 dialog units wide (about 36 characters).</extracomment>
        <translation>Mensaje de voz adjunto y borrado</translation>
    </message>
    <message>
        <source>External notification is Not Allowed</source>
        <extracomment>Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).</extracomment>
        <translation>La notificación externa no está permitida</translation>
    </message>
    <message>
        <source>This delivery method is not secure!
Network problems may corrupt the message and all information will be lost.
Are you sure you want to use this method?</source>
        <translation>¡Este tipo de envío no es seguro!
Los problemas de red pueden dañar el mensaje y se perdería toda la información.
¿Seguro que desea utilizar este tipo de envío?</translation>
    </message>
    <message>
        <source>When enabling Phone notification a Phone number must be defined</source>
        <translation>Para activar la notificación por teléfono debe indicar un número de teléfono</translation>
    </message>
    <message>
        <source>Phone number is not valid</source>
        <translation>El número de teléfono no es válido</translation>
    </message>
    <message>
        <source>When enabling Pager notification a Pager number must be defined</source>
        <translation>Para activar la notificación por buscapersonas debe indicar un número de buscapersonas</translation>
    </message>
    <message>
        <source>Pager number is not valid</source>
        <translation>El número del buscapersonas no es válido</translation>
    </message>
    <message>
        <source>When enabling SMS notification a SMS number must be defined</source>
        <translation>Para activar la notificación por SMS debe indicar un número para los SMS</translation>
    </message>
    <message>
        <source>SMS number is not valid</source>
        <translation>El número para los SMS no es válido</translation>
    </message>
    <message>
        <source>When enabling Email notification an Email address must be defined</source>
        <translation>Para activar la notificación por correo electrónico debe indicar una dirección de correo</translation>
    </message>
    <message>
        <source>Email notification type is not valid</source>
        <translation>El tipo de envío no es válido</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>MSG Light 1</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Luz de mensaje 1</translation>
    </message>
    <message>
        <source>MSG Light 2</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Luz de mensaje 2</translation>
    </message>
    <message>
        <source>Sign Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Timbre especial</translation>
    </message>
    <message>
        <source>Rings</source>
        <extracomment>Mailbox Notifications page, list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <extracomment>What a screen reader says for an &quot;Enable&quot; check box; %1 is the caption of its group (&quot;Telephone number&quot;, &quot;Pager number&quot;, ...).</extracomment>
        <translation>Activar (%1)</translation>
    </message>
</context>
<context>
    <name>CPreApplyDlg</name>
    <message>
        <source>Please wait...</source>
        <extracomment>Wait window of Apply, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pre-Apply settings</source>
        <translation>Comprobación de la configuración</translation>
    </message>
</context>
<context>
    <name>CRefreshDlg</name>
    <message>
        <source>OK</source>
        <extracomment>Refresh window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Refresh window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connecting the device ...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Conectando con el dispositivo ...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <extracomment>Refresh window, centred line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Refresh mailbox settings view</source>
        <translation>Consultar la configuración del buzón</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>To view your mailbox settings</source>
        <extracomment>Refresh window, first centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Para ver la configuración de su buzón</translation>
    </message>
    <message>
        <source>Press OK</source>
        <extracomment>Refresh window, second centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Pulse Aceptar</translation>
    </message>
    <message>
        <source>Please enter Password for mailbox %s</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters); %s is a mailbox number of up to 6 digits.</extracomment>
        <translation>Introduzca la contraseña del buzón %s</translation>
    </message>
    <message>
        <source>Incorrect Password, Please try again</source>
        <extracomment>Refresh window, centred status line, 172 x 8 dialog units (about 43 characters).</extracomment>
        <translation>Contraseña incorrecta, inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>CSettingsPage</name>
    <message>
        <source>Mailbox Number

The number of the mailbox these settings belong to. It is set when Zel is configured and cannot be changed here.</source>
        <translation>Número de buzón

El número del buzón al que pertenece esta configuración. Se fija al configurar Zel y no se puede cambiar aquí.</translation>
    </message>
    <message>
        <source>Mailbox Password

The mailbox&apos;s password: exactly 4 digits. Press Reset to put in the default password 5823. A new password reaches the device with the next Apply.</source>
        <translation>Contraseña

La contraseña del buzón: exactamente 4 cifras. Restablecer pone la contraseña predeterminada 5823. Una contraseña nueva llega al dispositivo con el siguiente Aplicar.</translation>
    </message>
    <message>
        <source>Mailbox Language

The language in which the device speaks to callers and to you. Choose one of the languages installed on the device; a slot shown as Unknown or Not Installed cannot be chosen.</source>
        <translation>Idioma del buzón

El idioma en el que el dispositivo habla a quienes llaman y a usted. Elija uno de los idiomas instalados en el dispositivo; no se puede elegir una posición que aparezca como Desconocido o No instalado.</translation>
    </message>
    <message>
        <source>Backup Extension

An extension to which a caller can be forwarded during your personal greeting. Digits only, up to 6; leave it empty for none.</source>
        <translation>Extensión alternativa

Una extensión a la que se puede desviar a quien llama durante su saludo personal. Solo cifras, hasta 6; déjela vacía si no desea ninguna.</translation>
    </message>
    <message>
        <source>Operator Extension

The operator a caller reaches from your personal greeting. Choose one of the operator extensions set up on the device.</source>
        <translation>Operadora

La operadora con la que contacta quien llama desde su saludo personal. Elija una de las extensiones de operadora configuradas en el dispositivo.</translation>
    </message>
    <message>
        <source>Fax Extension

Where a fax call that reaches your personal greeting is sent. Choose one of the fax extensions set up on the device, or None.</source>
        <translation>Extensión de fax

A dónde se envía una llamada de fax que llega a su saludo personal. Elija una de las extensiones de fax configuradas en el dispositivo, o Ninguna.</translation>
    </message>
    <message>
        <source>Announcer

When checked, callers hear your greeting only and cannot leave a message.</source>
        <translation>Solo anuncio

Si está marcada, quienes llaman solo oyen su saludo y no pueden dejar un mensaje.</translation>
    </message>
    <message>
        <source>Do Not Disturb

When checked, calls are not put through to your extension. A virtual mailbox has no extension of its own and must always have it checked.</source>
        <translation>No molestar

Si está marcada, las llamadas no se pasan a su extensión. Un buzón virtual no tiene extensión propia y siempre debe tenerla marcada.</translation>
    </message>
    <message>
        <source>Time Stamp

When checked, the device tells you the date and time at which each message was left before playing it.</source>
        <translation>Marca de hora

Si está marcada, el dispositivo le indica la fecha y la hora en que se dejó cada mensaje antes de reproducirlo.</translation>
    </message>
    <message>
        <source>Announcer</source>
        <extracomment>Mailbox Settings page, check box, 76 x 10 dialog units (about 16 characters).</extracomment>
        <translation>Solo anuncio</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <extracomment>Mailbox Settings page, check box, 68 x 10 dialog units (about 14 characters).</extracomment>
        <translation>No molestar</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <extracomment>Mailbox Settings page, check box, 67 x 10 dialog units (about 13 characters).</extracomment>
        <translation>Marca de hora</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Mailbox Settings page, button, 48 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Mailbox Number</source>
        <extracomment>Mailbox Settings page, label, 58 x 8 dialog units (about 14 characters).</extracomment>
        <translation>Número de buzón</translation>
    </message>
    <message>
        <source>Extension to notify</source>
        <translation>Extensión a avisar</translation>
    </message>
    <message>
        <source>Mailbox Language</source>
        <extracomment>Mailbox Settings page, label, 67 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Idioma del buzón</translation>
    </message>
    <message>
        <source>Mailbox Password</source>
        <extracomment>Mailbox Settings page, label, 66 x 8 dialog units (about 16 characters).</extracomment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Forward options during personal greeting</source>
        <extracomment>Mailbox Settings page, group box caption, 177 x 84 dialog units (about 41 characters).</extracomment>
        <translation>Desvío durante el saludo personal</translation>
    </message>
    <message>
        <source>Backup Extension</source>
        <extracomment>Mailbox Settings page, label, 68 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Ext. alternativa</translation>
    </message>
    <message>
        <source>Operator Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Operadora</translation>
    </message>
    <message>
        <source>Fax Extension</source>
        <extracomment>Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).</extracomment>
        <translation>Extensión de fax</translation>
    </message>
    <message>
        <source>Mailbox Type</source>
        <translation>Tipo de buzón</translation>
    </message>
    <message>
        <source>Local notification</source>
        <translation>Notificación local</translation>
    </message>
    <message>
        <source>Mailbox operation modes</source>
        <extracomment>Mailbox Settings page, group box caption, 166 x 84 dialog units (about 38 characters).</extracomment>
        <translation>Modos de funcionamiento</translation>
    </message>
    <message>
        <source>Mailbox Settings</source>
        <translation>Configuración del buzón</translation>
    </message>
    <message>
        <source>Real</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Real</translation>
    </message>
    <message>
        <source>Virtual</source>
        <extracomment>Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.</extracomment>
        <translation>Virtual</translation>
    </message>
    <message>
        <source>Puts the default password in</source>
        <translation>Pone la contraseña predeterminada</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Mailbox Settings page, fax extension list item, 81 dialog units wide (about 16 characters).</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>1st Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>1.er idioma</translation>
    </message>
    <message>
        <source>2nd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>2.º idioma</translation>
    </message>
    <message>
        <source>3rd Language</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>3.er idioma</translation>
    </message>
    <message>
        <source>Password is not valid. Please enter 4 digits</source>
        <translation>La contraseña no es válida. Introduzca 4 cifras</translation>
    </message>
    <message>
        <source>Virtual Mailboxes does not support Local Notification</source>
        <translation>Los buzones virtuales no admiten la notificación local</translation>
    </message>
    <message>
        <source>Virtual Mailboxes must be set to Do Not Disturb = Yes</source>
        <translation>Los buzones virtuales deben tener No molestar = Sí</translation>
    </message>
    <message>
        <source>Selected Language is not supported</source>
        <translation>El idioma seleccionado no se admite</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>English US</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Russian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Polish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Greek</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Romanian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Turkish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Danish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Finnish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Finés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Czech</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Flemish</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Flamenco</translation>
    </message>
    <message>
        <source>Thai</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Argentinean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Español (Argentina)</translation>
    </message>
    <message>
        <source>Chilean</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Español (Chile)</translation>
    </message>
    <message>
        <source>Arabic</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Japanese</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>No instalado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).</extracomment>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>CStatisticsPage</name>
    <message>
        <source>Number of new messages

Messages in the mailbox that have not been listened to yet, as the device last reported them.</source>
        <translation>Mensajes nuevos

Mensajes del buzón que aún no se han escuchado, según lo último que ha indicado el dispositivo.</translation>
    </message>
    <message>
        <source>Number of saved messages

Messages that have been listened to and kept, as the device last reported them.</source>
        <translation>Mensajes guardados

Mensajes que se han escuchado y conservado, según lo último que ha indicado el dispositivo.</translation>
    </message>
    <message>
        <source>Total number of messages

New and saved messages together.</source>
        <translation>Total de mensajes

Mensajes nuevos y guardados en conjunto.</translation>
    </message>
    <message>
        <source>Max. stored messages

The most messages the mailbox can hold. When it is full, callers cannot leave new messages.</source>
        <translation>Capacidad máx. de mensajes

El número máximo de mensajes que cabe en el buzón. Cuando está lleno, quienes llaman no pueden dejar mensajes nuevos.</translation>
    </message>
    <message>
        <source>Number of new messages</source>
        <extracomment>Mailbox Statistics page, label, 87 x 8 dialog units (about 21 characters).</extracomment>
        <translation>Mensajes nuevos</translation>
    </message>
    <message>
        <source>Number of saved messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Mensajes guardados</translation>
    </message>
    <message>
        <source>Total number of messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Total de mensajes</translation>
    </message>
    <message>
        <source>Max. stored messages</source>
        <extracomment>Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).</extracomment>
        <translation>Capacidad máx. de mensajes</translation>
    </message>
    <message>
        <source>Messages list</source>
        <translation>Lista de mensajes</translation>
    </message>
    <message>
        <source>Mailbox Statistics</source>
        <translation>Estadísticas del buzón</translation>
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
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Main window, button, 50 x 14 dialog units (about 10 characters).</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Zel...</source>
        <translation>&amp;Acerca de Zel...</translation>
    </message>
    <message>
        <source>Off Line! No relevant data is displayed!</source>
        <extracomment>Main window, label, 145 x 10 dialog units (about 36 characters).</extracomment>
        <translation>¡Sin conexión! ¡Sin datos del dispositivo!</translation>
    </message>
    <message>
        <source>Shutting down Zel program!</source>
        <translation>¡Se cierra el programa Zel!</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not a port Zel can use.

Please set it to a number from %4 to %5 and start Zel again.</source>
        <translation>El valor «%1» de «%2» en %3 no es un puerto que Zel pueda usar.

Asígnele un número de %4 a %5 y vuelva a iniciar Zel.</translation>
    </message>
    <message>
        <source>Do you want to work offline?</source>
        <translation>¿Desea trabajar sin conexión?</translation>
    </message>
    <message>
        <source>Current mailbox configuration must be viewed before applying new data!

Please do &apos;Refresh&apos; first!</source>
        <translation>¡Hay que consultar la configuración actual del buzón antes de aplicar datos nuevos!

¡Pulse primero «Actualizar»!</translation>
    </message>
    <message>
        <source>Zel could not save the settings in %1.

They are used until Zel ends, and Zel will ask for them again at its next start.</source>
        <translation>Zel no ha podido guardar la configuración en %1.

Se usará hasta que Zel se cierre, y Zel volverá a pedirla en el próximo inicio.</translation>
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
        <translation>Zel muestra y cambia la configuración de su buzón de voz en el equipo de buzón de voz.

Actualizar pide al dispositivo la configuración actual de su buzón y rellena las tres páginas. La primera vez tras iniciar Zel se le pide la contraseña de 4 cifras de su buzón.

Configuración del buzón: su contraseña, el idioma del buzón, a dónde se desvía a quien llama durante su saludo personal y los modos de funcionamiento.
Notificaciones del buzón: cómo se le avisa de los mensajes nuevos (por teléfono, buscapersonas, SMS o correo electrónico), si el dispositivo lo permite.
Estadísticas del buzón: cuántos mensajes nuevos y guardados tiene su buzón y cuántos puede almacenar.

Aplicar comprueba sus datos y los envía al dispositivo. Aplicar solo es posible después de una actualización correcta.

Si no se puede contactar con el dispositivo, puede trabajar sin conexión: las páginas no muestran entonces datos del dispositivo y Aplicar se rechaza hasta que una actualización se complete.

Pulse F1 en un campo de una página para obtener ayuda sobre ese campo.</translation>
    </message>
    <message>
        <source>For information about Zel, right-click the title banner and choose &quot;%1&quot;.</source>
        <translation>Para ver información sobre Zel, haga clic con el botón derecho en la imagen del título y elija «%1».</translation>
    </message>
    <message>
        <source>For information about Zel, choose &quot;%1&quot; in the window&apos;s system menu (Alt+Space).</source>
        <translation>Para ver información sobre Zel, elija «%1» en el menú del sistema de la ventana (Alt+Barra espaciadora).</translation>
    </message>
    <message>
        <source>Voice-Mail Box Manager</source>
        <extracomment>Main window, subtitle over the title banner in a large font, 320 x 13 dialog units (about 50 characters).</extracomment>
        <translation>Gestor del buzón de voz</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; in %3 is not an IPv4 address of a device.

Please set it to four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), and start Zel again.</source>
        <translation>El valor «%1» de «%2» en %3 no es la dirección IPv4 de un dispositivo.

Asígnele cuatro números de 0 a 255 separados por puntos, el primero distinto de 0 y ninguno con ceros a la izquierda (por ejemplo, 192.168.1.20), y vuelva a iniciar Zel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Views and changes the settings of one voice-mail box on the network.
The device&apos;s address and port and the mailbox number are kept in Zel1.ini.</source>
        <translation>Muestra y cambia la configuración de un buzón de voz en la red.
La dirección y el puerto del dispositivo y el número de buzón se guardan en Zel1.ini.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe «%1 --help».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>ExchangeMessages</name>
    <message>
        <source>Failed to create UDP socket! Please restart ZEL program</source>
        <translation>¡No se pudo crear el socket UDP! Reinicie el programa ZEL</translation>
    </message>
    <message>
        <source>Failed to connect the device !
Please check network connections</source>
        <translation>¡No se pudo conectar con el dispositivo!
Compruebe las conexiones de red</translation>
    </message>
    <message>
        <source>Mailbox number %s does not exist</source>
        <translation>El buzón número %s no existe</translation>
    </message>
    <message>
        <source>Data is not valid...Please try again</source>
        <translation>Los datos no son válidos... Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Data Transfer is successfully completed</source>
        <translation>La transferencia de datos se ha completado correctamente</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Voice-mail device</source>
        <extracomment>Windows installer, title of the page that asks for the device: bold, one line of about 50 characters.</extracomment>
        <translation>Equipo de buzón de voz</translation>
        <extra-LangString>DevicePageTitle</extra-LangString>
    </message>
    <message>
        <source>Where Zel finds the device, for every user of this PC</source>
        <extracomment>Windows installer, the device page&apos;s subtitle under its title: about 70 characters.</extracomment>
        <translation>Dónde encuentra Zel el dispositivo, para todos los usuarios de este PC</translation>
        <extra-LangString>DevicePageSubtitle</extra-LangString>
    </message>
    <message>
        <source>Zel asks each user for the device&apos;s address at the first start. Give it here to set it for every user of this PC, in %1; leave it empty to let each user give it. Without a port, Zel uses 5000.</source>
        <extracomment>Windows installer, the device page&apos;s explanation, above the fields &quot;Device IP address&quot; and &quot;Device Port number&quot; (Zel&apos;s start-up dialog&apos;s labels): four lines of about 80 characters. %1 is the machine-wide profile file, Zel1.ini in the Windows folder.</extracomment>
        <translation>Zel pide a cada usuario la dirección del dispositivo en el primer inicio. Indíquela aquí para fijarla para todos los usuarios de este PC, en %1; déjela vacía para que cada usuario la indique. Sin puerto, Zel usa 5000.</translation>
        <extra-LangString>DevicePageText</extra-LangString>
    </message>
    <message>
        <source>The device address &quot;%1&quot; is not an IPv4 address.

Give four numbers from 0 to 255 joined by dots, the first not 0 and none with leading zeros (such as 192.168.1.20), or leave it empty.</source>
        <extracomment>Windows installer, message box when the device address given on the device page or as /DEVICE= is refused. %1 is that address.</extracomment>
        <translation>La dirección del dispositivo «%1» no es una dirección IPv4.

Indique cuatro números de 0 a 255 separados por puntos, el primero distinto de 0 y ninguno con ceros a la izquierda (por ejemplo, 192.168.1.20), o déjela vacía.</translation>
        <extra-LangString>BadAddress</extra-LangString>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a port Zel can use.

Give a number from 1 to 65535, or leave it empty.</source>
        <extracomment>Windows installer, message box when the device port given on the device page or as /PORT= is refused. %1 is that port.</extracomment>
        <translation>El puerto del dispositivo «%1» no es un puerto que Zel pueda usar.

Indique un número de 1 a 65535 o déjelo vacío.</translation>
        <extra-LangString>BadPort</extra-LangString>
    </message>
    <message>
        <source>Zel is running from %1.

Close every Zel window (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel (as Windows names them in the user&apos;s language) while Zel runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>Zel se está ejecutando desde %1.

Cierre todas las ventanas de Zel (en este PC, de todos los usuarios) y haga clic en Reintentar.</translation>
        <extra-LangString>ZelRunning</extra-LangString>
    </message>
    <message>
        <source>The device simulator zel-device.exe is running from %1.

End it (on this PC, for every user), then click Retry.</source>
        <extracomment>Windows installer and uninstaller, message box with the buttons Retry and Cancel while the device simulator, a console program installed with Zel, runs. %1 is Zel&apos;s folder.</extracomment>
        <translation>El simulador de dispositivo zel-device.exe se está ejecutando desde %1.

Ciérrelo (en este PC, de todos los usuarios) y haga clic en Reintentar.</translation>
        <extra-LangString>DeviceRunning</extra-LangString>
    </message>
    <message>
        <source>The Zel installed in %1 could not be removed (exit code %2).</source>
        <extracomment>Windows installer, message box when the Zel it replaces could not be uninstalled. %1 is that Zel&apos;s folder, %2 its uninstaller&apos;s exit code.</extracomment>
        <translation>No se pudo quitar el Zel instalado en %1 (código de salida %2).</translation>
        <extra-LangString>OldNotRemoved</extra-LangString>
    </message>
</context>
<context>
    <name>StatusLines</name>
    <message>
        <source>Exchange status</source>
        <translation>Estado del intercambio</translation>
    </message>
    <message>
        <source>What to do next</source>
        <translation>Siguiente paso</translation>
    </message>
</context>
<context>
    <name>zel::EditRules</name>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Aquí solo se pueden escribir cifras.</translation>
    </message>
    <message>
        <source>Only characters the device can store can be typed here: Western European letters, digits and symbols.</source>
        <translation>Aquí solo se pueden escribir caracteres que el dispositivo pueda guardar: letras de Europa occidental, cifras y símbolos.</translation>
    </message>
</context>
<context>
    <name>zel::Ipv4AddressEdit</name>
    <message>
        <source>%1, part %2</source>
        <translation>%1, parte %2</translation>
    </message>
</context>
</TS>
