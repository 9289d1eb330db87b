<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Recopilación de datos</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Avisos legales</translation>
    </message>
    <message>
        <source>Default print settings for your printers</source>
        <translation>Configuración de impresión predeterminada para sus impresoras</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legales</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>Vellumark utiliza el kit de herramientas Qt (GNU LGPL versión 3), la biblioteca CUPS (Apache License 2.0) y la biblioteca OpenSSL (Apache License 2.0). Cada componente se distribuye bajo su propia licencia.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opciones instaladas</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Se requiere acceso root para modificar las opciones instalables</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Seleccionar perfil:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valores de fábrica</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: la impresora no existe o lpstat falló.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Recopilación de datos</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Le pedimos que nos ayude a mejorar nuestra aplicación y/o nuestros productos proporcionando información de uso.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>La aplicación NO recopila ningún dato personal.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>En cuanto a la recopilación de datos, lea la POLÍTICA DE PRIVACIDAD que figura a continuación.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sí, quiero ayudar a mejorar sus productos</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, no deseo participar</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>No ejecute %1 como root.</translation>
    </message>
    <message>
        <source>Tolvane Vellumark</source>
        <translation>Tolvane Vellumark</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: la impresora no existe o lpoptions falló.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Configuración aplicada.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Seleccione una impresora.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Parece que las impresoras instaladas han cambiado.
Recargando la lista.</translation>
    </message>
</context>
</TS>
