<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Collecte de données</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation>Copyright © 2022 Tolvane Corporation. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane et Vellumark sont des marques commerciales de Tolvane Corporation.</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Reliure à gauche</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Reliure à droite</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Pliage du livret</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Séparation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Décaler les travaux</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Faire pivoter les copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Pli en trois</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Face imprimée</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Sens du pli</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Nombre de feuilles</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Pli technique</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Pli en Z</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Pli en deux</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Méthode de perforation:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Agrafage:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Méthode d&apos;agrafage</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Position des agrafes:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de papier</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Bord long</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Bord court</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Format d&apos;impression</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualité d&apos;impression</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Mode brillant</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimisation CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trame de demi-teintes</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproduction des couleurs</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversion des couleurs</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimer les gris avec le toner noir</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prévention du moiré</translation>
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
        <translation>Travail</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Paramètres du travail</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Code d&apos;accès</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Numéro de boîte</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Comptabilité des travaux</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Liste des ID de compte</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Utiliser un ID de compte spécifique</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Sélectionner un ID de compte</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de compte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de compte:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nom du travail</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Défini par l&apos;application</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Écraser le nom du travail:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Utiliser le nom du travail + date et heure</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Remplacer le fichier existant</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notification du travail par e-mail</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nom du travail:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Code d&apos;accès:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Modifier l&apos;ID de compte</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Erreur d&apos;ID de compte</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>L&apos;ID de compte doit comporter de 1 à 8 chiffres</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Cet ID de compte existe déjà.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Le code d&apos;accès doit comporter 4 chiffres.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impression privée</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Boîte personnalisée</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Saisissez un numéro de boîte personnalisée compris entre 1 et 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>Le champ du nom de travail personnalisé requiert un nom de 128 caractères au maximum.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Vous devez ajouter un ID de compte à la liste.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>La valeur ne peut pas contenir le caractère guillemet droit (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Le nom d&apos;utilisateur doit comporter au moins un caractère.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Saisissez l&apos;adresse e-mail dans un format valide.
Par exemple: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Épreuve et mise en attente</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nouvel ID de compte</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Mentions légales</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>Le serveur a répondu %1 %2.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Veuillez saisir le mot de passe root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisation impossible.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Veuillez saisir votre propre mot de passe.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>Le dossier de paramètres %1 est un lien vers un autre emplacement.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>Le dossier de paramètres %1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>Le dossier de paramètres %1 appartient à un autre compte.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>Le dossier de paramètres %1 peut être modifié par d&apos;autres comptes.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>Le dossier de paramètres %1 ne peut pas être examiné.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>Rien n&apos;y a été lu ni écrit. Faites-le supprimer ou corriger, puis relancez le programme.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>Le dossier de paramètres %1 pouvait être modifié par d&apos;autres comptes. Désormais, vous seul pouvez le modifier.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>Ces fichiers du dossier de paramètres %1 pouvaient être modifiés par d&apos;autres comptes ; ils n&apos;ont donc pas été lus. Ils sont conservés, lisibles par vous seul, sous de nouveaux noms:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Vérifiez un tel fichier avant de lui redonner son ancien nom.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (non mis de côté)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n de plus</numerusform>
            <numerusform>et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>Ces fichiers du dossier de paramètres %1 pouvaient être modifiés par d&apos;autres comptes ; ils n&apos;ont donc pas été lus. Ils n&apos;ont pas pu être mis de côté, et d&apos;autres comptes peuvent encore les lire et les modifier:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Vérifiez un tel fichier, puis supprimez-le ou rendez-le lisible par vous seul.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Options installées</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Des droits root sont nécessaires pour modifier les options installables</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>Aucune imprimante Tolvane n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>Le système d&apos;impression (CUPS) ne répond pas.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>En attente du système d&apos;impression (CUPS)...</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Sélectionner un profil:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Paramètres du fabricant</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Enregistrer les profils</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impression privée</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Boîte personnalisée</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrane personnalisé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Format d&apos;impression</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de papier</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Séparation</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Mode de pliage</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Face de pliage</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Sens de pliage</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Méthode de pliage</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Sens de pliage en Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Méthode de pliage en Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Face de pliage en deux</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Méthode de pliage en deux</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Agrafage</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Méthode d&apos;agrafage</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Mode brillant</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimisation CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trame de demi-teintes</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>TSL/Balance des couleurs</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Réglage noir et blanc</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Mode couleur</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproduction des couleurs</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversion des couleurs</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimer les gris avec le toner noir</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prévention du moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Mode couverture</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Insertion de pages</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalaires pour transparents</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Paramètres du travail</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Comptabilité des travaux</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nom du travail</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notification du travail par e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Un profil nommé &quot;%1&quot; existe déjà. Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Ce nom est réservé</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Vous devez saisir un nom de profil</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Impossible d&apos;ajouter le profil. Le nombre maximal de 25 profils a été atteint.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Veuillez saisir une plage de pages.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Veuillez saisir les pages voulues.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Vous ne pouvez pas insérer plus de 50 pages.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page compris entre 3 et 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page compris entre 2 et 511</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Mode couverture:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Insertion de pages:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalaires pour transparents:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Avant et arrière</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimer sur:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Source papier de la couverture avant:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Source papier de la couverture arrière:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimer au recto</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimer au verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insérer avant les pages:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Source papier de la page:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimer sur l&apos;intercalaire</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Source papier de l&apos;intercalaire:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erreur: l&apos;imprimante n&apos;existe pas ou lpstat a échoué.</translation>
    </message>
</context>
<context>
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nom d&apos;utilisateur de connexion</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Aucune notification en cas de conflit de règles</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Poursuivre l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annuler l&apos;impression</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Les champs Serveur, Port et Nom d&apos;utilisateur de connexion doivent être renseignés.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Vous devez cliquer sur Vérifier après toute modification.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Échec de la connexion. Le nom d&apos;utilisateur ou le mot de passe saisi est incorrect.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Le serveur et les identifiants de l&apos;utilisateur ont été authentifiés et les règles ont été appliquées.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Les identifiants et les règles seront de nouveau vérifiés lors de l&apos;impression.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Vous n&apos;êtes pas autorisé à imprimer.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>Le serveur %1 présente un certificat qu&apos;aucune autorité de confiance ne garantit.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>Empreinte SHA-256:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>Faites-vous confiance à ce serveur?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>Le certificat du serveur %1 a changé depuis que vous lui avez fait confiance. Quelqu&apos;un intercepte peut-être la connexion.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>Nouvelle empreinte SHA-256:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Empreinte approuvée précédemment:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Le serveur n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>Le serveur %1 présente un certificat qu&apos;une autorité de confiance a émis pour un autre nom d&apos;hôte.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>Auparavant, une autorité de confiance garantissait le certificat du serveur.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>La liste des serveurs que vous avez approuvés n&apos;a pas pu être lue de façon sûre ; le certificat que vous aviez approuvé auparavant n&apos;est donc pas connu.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Collecte de données</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Aidez-nous à améliorer notre application et/ou nos produits en nous fournissant des informations d&apos;utilisation.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>L&apos;application NE collecte AUCUNE donnée personnelle.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Concernant la collecte de données, veuillez lire la POLITIQUE DE CONFIDENTIALITÉ ci-dessous.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Oui, je souhaite aider à améliorer vos produits</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Non, je ne souhaite pas participer</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Veuillez ne pas exécuter %1 en tant que root.</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erreur: l&apos;imprimante n&apos;existe pas ou lpoptions a échoué.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Paramètres appliqués.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Sélectionnez une imprimante.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Les imprimantes installées semblent avoir changé.
Rechargement de la liste.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profils</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Le système d&apos;impression (CUPS) ne répond pas.
La liste des imprimantes sera de nouveau remplie dès qu&apos;il répondra.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>Les paramètres n&apos;ont pas été appliqués : le système d&apos;impression (CUPS) ne répond pas.
La liste des imprimantes sera de nouveau remplie dès qu&apos;il répondra.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrane personnalisé:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Répéter le filigrane</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrane/Tampon</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrane</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>TSL (teinte, saturation et luminosité)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance des couleurs</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Réglage de la teinte</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Niveaux de couleur</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
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
        <translation>Le serveur n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>La réponse du serveur est trop volumineuse.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>Le certificat du serveur n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>La réponse du serveur est invalide.</translation>
    </message>
</context>
</TS>
