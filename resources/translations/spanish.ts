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
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation>Copyright © 2022 Tolvane Corporation. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane y Vellumark son marcas comerciales de Tolvane Corporation.</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Encuadernación a la izquierda</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Encuadernación a la derecha</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Plegado del folleto</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Acabado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Desplazar trabajos</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Girar copias</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Plegado en tres</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Cara de impresión</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Dirección del plegado</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Número de hojas</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Plegado técnico</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Plegado en Z</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Plegado en dos</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforación</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Método de perforación:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Grapado:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grapado</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posición de las grapas:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borde largo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borde corto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A todo color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamaño de impresión</translation>
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
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Calidad de impresión</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Reventado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brillo</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimización CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trama de medios tonos</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A todo color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproducción del color</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversión del color</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir grises con tóner negro</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevención de muaré</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configuración del trabajo</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Número de buzón</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidad de trabajos</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Lista de ID de cuenta</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usar un ID de cuenta específico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Seleccionar ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de cuenta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de cuenta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nombre del trabajo</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definido por la aplicación</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Sobrescribir nombre del trabajo:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usar nombre del trabajo + fecha y hora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Reemplazar el archivo existente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificación del trabajo
por correo electrónico</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Inicio de sesión de usuario</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nombre del trabajo:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acceso:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Editar ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Error de ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>El ID de cuenta debe tener de 1 a 8 dígitos</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Este ID de cuenta ya existe.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>El código de acceso debe tener 4 dígitos.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impresión privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Buzón personalizado</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Introduzca un número de buzón personalizado entre 1 y 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>El campo de nombre de trabajo personalizado requiere un nombre de 128 caracteres como máximo.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Debe agregar un ID de cuenta a la lista.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>El valor no puede contener el carácter de comillas dobles (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>El nombre de usuario debe tener al menos un carácter.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Introduzca la dirección de correo electrónico en un formato válido.
Por ejemplo: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prueba y retención</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nuevo ID de cuenta</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legales</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>El servidor respondió %1 %2.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduzca la contraseña de root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>No se pudo autorizar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Introduzca su propia contraseña.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>La carpeta de configuración %1 es un enlace a otra ubicación.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>La carpeta de configuración %1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>La carpeta de configuración %1 pertenece a otra cuenta.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>La carpeta de configuración %1 puede ser modificada por otras cuentas.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>No se puede examinar la carpeta de configuración %1.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>No se leyó ni se escribió nada allí. Haga que la eliminen o la corrijan y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>La carpeta de configuración %1 podía ser modificada por otras cuentas. Ahora solo usted puede modificarla.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>Estos archivos de la carpeta de configuración %1 podían ser modificados por otras cuentas, por eso no se leyeron. Se conservan, legibles solo por usted, con nombres nuevos:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Revise un archivo así antes de devolverle su nombre anterior.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (no apartado)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>Estos archivos de la carpeta de configuración %1 podían ser modificados por otras cuentas, por eso no se leyeron. No se pudieron apartar, y otras cuentas aún pueden leerlos y modificarlos:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Revise un archivo así y luego elimínelo o hágalo legible solo por usted.</translation>
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
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>No hay ninguna impresora Tolvane instalada.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>El sistema de impresión (CUPS) no responde.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>Esperando al sistema de impresión (CUPS)...</translation>
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
        <translation>Valor predeterminado de fábrica</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Guardar perfiles</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Acabado</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicación</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impresión privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Buzón personalizado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Marca de agua personalizada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamaño de impresión</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modo de plegado</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Cara de plegado</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Dirección del plegado</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Método de plegado</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Dirección del plegado en Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Método de plegado en Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Cara del plegado en dos</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Método de plegado en dos</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Grapado</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grapado</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforación</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Reventado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brillo</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimización CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trama de medios tonos</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Equilibrio de color</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Ajuste de blanco y negro</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modo de color</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproducción del color</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversión del color</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir grises con tóner negro</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevención de muaré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modo de portada</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserción de páginas</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalado de transparencias</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configuración del trabajo</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidad de trabajos</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nombre del trabajo</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificación del trabajo por correo electrónico</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Inicio de sesión de usuario</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Ya existe un perfil llamado &quot;%1&quot;. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>No se pudo guardar el perfil.</translation>
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
    <message>
        <source>This name is reserved</source>
        <translation>Este nombre está reservado</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Debe introducir un nombre de perfil</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>No se pudo guardar el perfil.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>No se pudo agregar el perfil. Se alcanzó el número máximo de 25 perfiles.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Escriba un intervalo de páginas.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Introduzca las páginas deseadas.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Solo puede insertar hasta 50 páginas.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Solo puede introducir números de página entre 3 y 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Solo puede introducir números de página entre 2 y 511</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicación</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Modo de portada:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserción de páginas:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalado de transparencias:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Delantera</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Delantera y trasera</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimir en:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Trasera</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Origen del papel de la portada:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Origen del papel de la contraportada:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimir en el anverso</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimir en el reverso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insertar antes de las páginas:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Origen del papel de la página:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimir en la hoja intercalada</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Origen del papel de la hoja intercalada:</translation>
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
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nombre de usuario de inicio de sesión</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Sin notificaciones de conflictos de directivas</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continuar la impresión</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancelar la impresión</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Debe completar los campos Servidor, Puerto y Nombre de usuario de inicio de sesión.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Debe hacer clic en Verificar después de realizar cambios.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>No se puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Error de inicio de sesión. El nombre de usuario o la contraseña que introdujo no son correctos.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Se autenticaron el servidor y las credenciales de usuario, y se aplicaron las directivas.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Las credenciales y las directivas se comprobarán de nuevo durante la impresión.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>No tiene permiso para imprimir.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>El servidor %1 presenta un certificado que ninguna autoridad de confianza avala.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>Huella digital SHA-256:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>¿Confía en este servidor?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>El certificado del servidor %1 ha cambiado desde que confió en él. Es posible que alguien esté interceptando la conexión.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>Nueva huella digital SHA-256:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Huella digital de confianza anterior:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>El servidor %1 presenta un certificado que una autoridad de confianza emitió para otro nombre de host.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>Anteriormente, una autoridad de confianza avalaba el certificado del servidor.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>El registro de los servidores en los que confió no se pudo leer de forma segura, por eso no se sabe en qué certificado confiaba antes.</translation>
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
    <message>
        <source>Password Prompt</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>P&amp;erfiles</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>El sistema de impresión (CUPS) no responde.
La lista de impresoras se volverá a rellenar en cuanto responda.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>La configuración no se aplicó: el sistema de impresión (CUPS) no responde.
La lista de impresoras se volverá a rellenar en cuanto responda.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Marca de agua personalizada:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repetir marca de agua</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Marca de agua/Sello</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Supermarca de agua</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configuración de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tono, saturación y luminosidad)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Equilibrio de color</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Ajuste de tono</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Niveles de color</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configuración de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
<context>
    <name>tcurl</name>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>La respuesta del servidor es demasiado grande.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>El certificado del servidor no es de confianza.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>La respuesta del servidor no es válida.</translation>
    </message>
</context>
</TS>
