<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Note legali</translation>
    </message>
    <message>
        <source>Default print settings for your printers</source>
        <translation>Impostazioni di stampa predefinite per le tue stampanti</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Note legali</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>Vellumark utilizza il toolkit Qt (GNU LGPL versione 3), la libreria CUPS (Apache License 2.0) e la libreria OpenSSL (Apache License 2.0). Ogni componente è distribuito con la propria licenza.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opzioni installate</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Per modificare le opzioni installabili sono necessari i privilegi di root</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Seleziona profilo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Impostazioni di fabbrica</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>In stampa</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Errore: la stampante non esiste o lpstat non è riuscito.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Ti chiediamo di aiutarci a migliorare la nostra applicazione e/o i nostri prodotti fornendo informazioni sull&apos;utilizzo.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>L&apos;applicazione NON raccoglie alcun dato personale.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Per quanto riguarda la raccolta dei dati, leggi l&apos;INFORMATIVA SULLA PRIVACY riportata di seguito.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sì, voglio contribuire a migliorare i vostri prodotti</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, non desidero partecipare</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Non eseguire %1 come root.</translation>
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
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Errore: la stampante non esiste o lpoptions non è riuscito.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Impostazioni applicate.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Seleziona una stampante.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Sembra che le stampanti installate siano cambiate.
Ricaricamento dell&apos;elenco in corso.</translation>
    </message>
</context>
</TS>
