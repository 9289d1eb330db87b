<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Data collection</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Legal notices</translation>
    </message>
    <message>
        <source>Default print settings for your printers</source>
        <translation>Default print settings for your printers</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Legal Notices</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installed options</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root access is required to make changes to installable options</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
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
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Select profile:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Factory Default</translation>
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
        <translation>Description</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Save Profile</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: Printer does not exist or lpstat failed.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Data Collection</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>We ask you to help improve our application and/or products by providing usage information.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>The application DOES NOT collect any personal data.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Regarding data collection, please read the PRIVACY POLICY as follows.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Yes, I want to help improve your products</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, I do not wish to take part in this feature</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Please do not run %1 as root.</translation>
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
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: Printer does not exist or lpoptions failed.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Settings applied.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Select a printer.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>It looks like your installed printers have changed.
Reloading list now.</translation>
    </message>
</context>
</TS>
