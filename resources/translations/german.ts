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
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished">Ein</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished">Ziel</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished">Ein</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print size</source>
        <translation type="unfinished"></translation>
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
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished">Ein</translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished">Beschreibung</translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished">Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation type="unfinished">Rechtliche Hinweise</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Fehler</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Save Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished">Ein</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation type="unfinished">Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>This name is reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation type="unfinished"></translation>
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
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation type="unfinished">Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished">Ein</translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Password Prompt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
