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
        <translation>Copyright © 2022 Tolvane Corporation. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane und Vellumark sind Marken der Tolvane Corporation.</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Bindung links</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Bindung rechts</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Broschürenfalz</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Endverarbeitung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Aufträge versetzen</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Kopien drehen</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Wickelfalz</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Anzahl der Blätter</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Technischer Falz</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Z-Falz</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Einbruchfalz</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Lochungsart:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Heften:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftart</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Heftposition:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Papiertyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Papierzufuhr</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ausgabefach</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckformat</translation>
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
        <translation>Bild</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit schwarzem Toner drucken</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moiré-Vermeidung</translation>
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
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Auftragseinstellungen</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Boxnummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Konto-ID-Liste</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Bestimmte Konto-ID verwenden</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Konto-ID auswählen</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>Konto-ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>Konto-ID:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Von der Anwendung festgelegt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Auftragsnamen überschreiben:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Auftragsname + Datum und Uhrzeit verwenden</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Vorhandene Datei ersetzen</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>E-Mail-Benachrichtigung zum Auftrag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Zugangscode:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Konto-ID bearbeiten</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Konto-ID-Fehler</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>Die Konto-ID muss 1 bis 8 Ziffern lang sein</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Diese Konto-ID ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Der Zugangscode muss 4 Ziffern lang sein.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Vertraulicher Druck</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Benutzerdefinierte Box</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Geben Sie eine Boxnummer zwischen 1 und 1000 ein.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>Das Feld für den benutzerdefinierten Auftragsnamen erfordert einen Namen mit höchstens 128 Zeichen.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Sie müssen der Liste eine Konto-ID hinzufügen.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Der Wert darf kein doppeltes Anführungszeichen (&quot;) enthalten.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Der Benutzername muss mindestens ein Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Geben Sie die E-Mail-Adresse in einem gültigen Format ein.
Beispiel: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Probedruck und Anhalten</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Neue Konto-ID</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>Der Server hat mit %1 %2 geantwortet.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Kennwortabfrage</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Bitte geben Sie das Root-Kennwort ein.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Bitte geben Sie Ihr eigenes Kennwort ein.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>Der Einstellungsordner %1 ist ein Verweis auf einen anderen Ort.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>Der Einstellungsordner %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>Der Einstellungsordner %1 gehört einem anderen Benutzerkonto.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>Der Einstellungsordner %1 kann von anderen Benutzerkonten geändert werden.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>Der Einstellungsordner %1 kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>Dort wurde nichts gelesen oder geschrieben. Lassen Sie ihn entfernen oder berichtigen und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>Der Einstellungsordner %1 konnte von anderen Benutzerkonten geändert werden. Jetzt können nur Sie ihn ändern.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>Diese Dateien im Einstellungsordner %1 konnten von anderen Benutzerkonten geändert werden und wurden daher nicht gelesen. Sie bleiben erhalten, nur für Sie lesbar, unter neuen Namen:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Prüfen Sie eine solche Datei, bevor Sie ihr wieder ihren alten Namen geben.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (nicht beiseitegelegt)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>Diese Dateien im Einstellungsordner %1 konnten von anderen Benutzerkonten geändert werden und wurden daher nicht gelesen. Sie konnten nicht beiseitegelegt werden, und andere Benutzerkonten können sie weiterhin lesen und ändern:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Prüfen Sie eine solche Datei und löschen Sie sie dann oder machen Sie sie nur für Sie lesbar.</translation>
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
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>Es ist kein Tolvane-Drucker installiert.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>Das Drucksystem (CUPS) antwortet nicht.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>Warten auf das Drucksystem (CUPS)...</translation>
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
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Profile speichern</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Endverarbeitung</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publikation</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Vertraulicher Druck</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Benutzerdefinierte Box</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Benutzerdefiniertes Wasserzeichen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckformat</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Papiertyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Papierzufuhr</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ausgabefach</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Falzmodus</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Falzseite</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Falzart</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Z-Falzrichtung</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Z-Falzart</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Seite des Einbruchfalzes</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Art des Einbruchfalzes</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Heften</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftart</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Farbbalance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Schwarzweiß-Anpassung</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit schwarzem Toner drucken</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moiré-Vermeidung</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Deckblattmodus</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Seiten einfügen</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Folien-Zwischenblätter</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Auftragseinstellungen</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>E-Mail-Benachrichtigung zum Auftrag</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Ein Profil namens &quot;%1&quot; ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
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
        <translation>Dieser Name ist reserviert</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Sie müssen einen Profilnamen eingeben</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Das Profil konnte nicht hinzugefügt werden. Die Höchstzahl von 25 Profilen ist erreicht.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Bitte geben Sie einen Seitenbereich ein.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Bitte geben Sie die gewünschten Seiten ein.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Sie können höchstens 50 Seiten einfügen.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 3 und 511 eingeben</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 2 und 511 eingeben</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publikation</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Deckblattmodus:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Seiten einfügen:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Folien-Zwischenblätter:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Vorne und hinten</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Drucken auf:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außenseite</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innenseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Papierzufuhr für vorderes Deckblatt:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Papierzufuhr für hinteres Deckblatt:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Auf Vorderseite drucken</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Auf Rückseite drucken</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Vor Seiten einfügen:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Papierzufuhr für Seite:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Auf Zwischenblatt drucken</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Papierzufuhr für Zwischenblatt:</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Anmeldebenutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Keine Benachrichtigung bei Richtlinienkonflikten</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Druck fortsetzen</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Druck abbrechen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Überprüfen</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Server, Port und Anmeldebenutzername müssen ausgefüllt sein.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Sie müssen nach Änderungen auf Überprüfen klicken.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Verbindung zum Server nicht möglich.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Anmeldung fehlgeschlagen. Der eingegebene Benutzername oder das Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Server und Benutzeranmeldedaten wurden authentifiziert und die Richtlinien wurden angewendet.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Anmeldedaten und Richtlinien werden beim Drucken erneut geprüft.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Sie sind nicht zum Drucken berechtigt.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>Der Server %1 legt ein Zertifikat vor, für das keine vertrauenswürdige Zertifizierungsstelle bürgt.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256-Fingerabdruck:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>Vertrauen Sie diesem Server?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>Das Zertifikat des Servers %1 hat sich geändert, seit Sie ihm vertraut haben. Möglicherweise fängt jemand die Verbindung ab.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>Neuer SHA-256-Fingerabdruck:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Bisher vertrauenswürdiger Fingerabdruck:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>Der Server %1 legt ein Zertifikat vor, das eine vertrauenswürdige Zertifizierungsstelle für einen anderen Hostnamen ausgestellt hat.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>Bisher bürgte eine vertrauenswürdige Zertifizierungsstelle für das Zertifikat des Servers.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>Die Liste der Server, denen Sie vertraut haben, konnte nicht sicher gelesen werden; daher ist nicht bekannt, welchem Zertifikat Sie bisher vertraut haben.</translation>
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
        <translation>Kennwortabfrage</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Das Drucksystem (CUPS) antwortet nicht.
Die Druckerliste wird wieder gefüllt, sobald es antwortet.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Die Einstellungen wurden nicht übernommen: Das Drucksystem (CUPS) antwortet nicht.
Die Druckerliste wird wieder gefüllt, sobald es antwortet.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Benutzerdefiniertes Wasserzeichen:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Wasserzeichen wiederholen</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Wasserzeichen/Stempel</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super-Wasserzeichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (Farbton, Sättigung und Helligkeit)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Farbtonanpassung</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Farbstufen</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
</context>
<context>
    <name>tcurl</name>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>Die Antwort des Servers ist zu groß.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>Das Zertifikat des Servers ist nicht vertrauenswürdig.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>Die Antwort des Servers ist fehlerhaft.</translation>
    </message>
</context>
</TS>
