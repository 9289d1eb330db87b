<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Datenerfassung</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>Default print settings for your printers</source>
        <translation>Standard-Druckeinstellungen für Ihre Drucker</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>Vellumark verwendet das Qt-Toolkit (GNU LGPL Version 3), die CUPS-Bibliothek (Apache License 2.0) und die OpenSSL-Bibliothek (Apache License 2.0). Jede Komponente wird unter ihrer eigenen Lizenz vertrieben.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installierte Optionen</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Zum Ändern installierbarer Optionen sind Root-Rechte erforderlich</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Profil auswählen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Werkseinstellungen</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Fehler: Der Drucker existiert nicht oder lpstat ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Datenerfassung</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Bitte helfen Sie uns, unsere Anwendung und/oder Produkte zu verbessern, indem Sie Nutzungsinformationen bereitstellen.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>Die Anwendung erfasst KEINE personenbezogenen Daten.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Bitte lesen Sie zur Datenerfassung die folgende DATENSCHUTZERKLÄRUNG.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Ja, ich möchte helfen, Ihre Produkte zu verbessern</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Nein, ich möchte nicht teilnehmen</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Bitte führen Sie %1 nicht als root aus.</translation>
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
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Fehler: Der Drucker existiert nicht oder lpoptions ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Wählen Sie einen Drucker aus.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Die installierten Drucker haben sich anscheinend geändert.
Die Liste wird neu geladen.</translation>
    </message>
</context>
</TS>
