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
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation>Copyright © 2022 Tolvane Corporation. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane e Vellumark sono marchi di Tolvane Corporation.</translation>
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
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Rilegatura a sinistra</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Rilegatura a destra</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Piegatura opuscolo</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Sfalsa i lavori</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Ruota le copie</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Piegatura in tre</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lato di stampa</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direzione di piegatura</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Numero di fogli</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Piegatura tecnica</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Piegatura a Z</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Piegatura a metà</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforazione</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Metodo di perforazione:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Pinzatura:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posizione della pinzatura:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Fascicola</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Formato di stampa</translation>
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
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino dei mezzitoni</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Regolazione</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Riproduzione del colore</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversione del colore</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Stampa i grigi con il toner nero</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenzione moiré</translation>
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
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Impostazioni lavoro</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Codice di accesso</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Numero casella</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilità lavori</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Elenco ID account</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usa un ID account specifico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Seleziona ID account</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID account</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID account:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome lavoro</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definito dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Sovrascrivi nome lavoro:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usa nome lavoro + data e ora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Sostituisci il file esistente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notifica e-mail del lavoro</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome lavoro:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Modifica ID account</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Errore ID account</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>L&apos;ID account deve contenere da 1 a 8 cifre</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Questo ID account esiste già.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Il codice di accesso deve contenere 4 cifre.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Stampa riservata</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Casella personalizzata</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Inserisci un numero di casella personalizzata compreso tra 1 e 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>Il campo del nome lavoro personalizzato richiede un nome di massimo 128 caratteri.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Devi aggiungere un ID account all&apos;elenco.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Il valore non può contenere il carattere virgolette doppie (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Il nome utente deve contenere almeno un carattere.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Inserisci l&apos;indirizzo e-mail in un formato valido.
Ad esempio: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prova e trattieni</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nuovo ID account</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Note legali</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>Il server ha risposto %1 %2.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Inserisci la password di root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Impossibile autorizzare.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Inserisci la tua password.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>La cartella delle impostazioni %1 è un collegamento a un&apos;altra posizione.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>La cartella delle impostazioni %1 non è una cartella.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>La cartella delle impostazioni %1 appartiene a un altro account.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>La cartella delle impostazioni %1 può essere modificata da altri account.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>La cartella delle impostazioni %1 non può essere esaminata.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>Lì non è stato letto né scritto nulla. Falla rimuovere o correggere, poi riavvia il programma.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>La cartella delle impostazioni %1 poteva essere modificata da altri account. Ora solo tu puoi modificarla.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>Questi file della cartella delle impostazioni %1 potevano essere modificati da altri account, perciò non sono stati letti. Sono conservati, leggibili solo da te, con nuovi nomi:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Controlla un file di questo tipo prima di ridargli il suo vecchio nome.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (non messo da parte)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e altri %n</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>Questi file della cartella delle impostazioni %1 potevano essere modificati da altri account, perciò non sono stati letti. Non è stato possibile metterli da parte, e altri account possono ancora leggerli e modificarli:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Controlla un file di questo tipo, poi rimuovilo o rendilo leggibile solo da te.</translation>
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
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>Nessuna stampante Tolvane installata.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>Il sistema di stampa (CUPS) non risponde.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>In attesa del sistema di stampa (CUPS)...</translation>
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
        <translation>Impostazioni fabbrica</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Salva profili</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettaglio</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Stampa riservata</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Casella personalizzata</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrana personalizzata</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Formato di stampa</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Fascicola</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modalità di piegatura</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lato di piegatura</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direzione di piegatura</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Metodo di piegatura</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Direzione della piegatura a Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Metodo di piegatura a Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Lato della piegatura a metà</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Metodo di piegatura a metà</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Pinzatura</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforazione</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino dei mezzitoni</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Bilanciamento del colore</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Regolazione del colore</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Regolazione bianco e nero</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modalità colore</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Riproduzione del colore</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversione del colore</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Stampa i grigi con il toner nero</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenzione moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modalità copertina</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserimento pagine</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Interfogliatura lucidi</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Impostazioni lavoro</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilità lavori</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome lavoro</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notifica e-mail del lavoro</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Esiste già un profilo denominato &quot;%1&quot;. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossibile salvare il profilo.</translation>
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
    <message>
        <source>This name is reserved</source>
        <translation>Questo nome è riservato</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Devi inserire un nome per il profilo</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Impossibile aggiungere il profilo. È stato raggiunto il numero massimo di 25 profili.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Digita un intervallo di pagine.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Inserisci le pagine desiderate.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Puoi inserire al massimo 50 pagine.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Puoi inserire solo numeri di pagina compresi tra 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Puoi inserire solo numeri di pagina compresi tra 2 e 511</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Modalità copertina:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserimento pagine:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Interfogliatura lucidi:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Anteriore</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Anteriore e posteriore</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Stampa su:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Esterno</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interno</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Posteriore</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Origine carta per la copertina anteriore:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Origine carta per la copertina posteriore:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Stampa sul fronte</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Stampa sul retro</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserisci prima delle pagine:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Origine carta per la pagina:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Stampa sull&apos;interfoglio</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Origine carta per l&apos;interfoglio:</translation>
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
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome utente di accesso</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Nessuna notifica per i conflitti di criteri</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continua la stampa</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annulla la stampa</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>È necessario compilare Server, Porta e Nome utente di accesso.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Dopo aver apportato modifiche devi fare clic su Verifica.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossibile connettersi al server.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Accesso non riuscito. Il nome utente o la password inseriti non sono corretti.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Il server e le credenziali utente sono stati autenticati e i criteri sono stati applicati.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Le credenziali e i criteri verranno verificati di nuovo durante la stampa.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Non hai l&apos;autorizzazione per stampare.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>Il server %1 presenta un certificato non garantito da alcuna autorità attendibile.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>Impronta SHA-256:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>Consideri attendibile questo server?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>Il certificato del server %1 è cambiato da quando lo hai considerato attendibile. Qualcuno potrebbe intercettare la connessione.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>Nuova impronta SHA-256:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Impronta considerata attendibile in precedenza:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Il server non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>Il server %1 presenta un certificato emesso da un&apos;autorità attendibile per un altro nome host.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>In precedenza il certificato del server era garantito da un&apos;autorità attendibile.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>L&apos;elenco dei server considerati attendibili non è stato letto in modo sicuro, perciò non si sa quale certificato avevi considerato attendibile.</translation>
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
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profili</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Il sistema di stampa (CUPS) non risponde.
L&apos;elenco delle stampanti verrà compilato di nuovo appena risponderà.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Le impostazioni non sono state applicate: il sistema di stampa (CUPS) non risponde.
L&apos;elenco delle stampanti verrà compilato di nuovo appena risponderà.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrana personalizzata:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Ripeti la filigrana</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrana/Timbro</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrana</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tonalità, saturazione e luminosità)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Bilanciamento del colore</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Regolazione della tonalità</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Livelli di colore</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
</context>
<context>
    <name>tcurl</name>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Il server non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>La risposta del server è troppo grande.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>Il certificato del server non è attendibile.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>La risposta del server non è valida.</translation>
    </message>
</context>
</TS>
