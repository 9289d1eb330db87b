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
        <source>Default print settings for your printers</source>
        <translation>Paramètres d&apos;impression par défaut de vos imprimantes</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>Vellumark utilise la boîte à outils Qt (GNU LGPL version 3), la bibliothèque CUPS (Apache License 2.0) et la bibliothèque OpenSSL (Apache License 2.0). Chaque composant est distribué sous sa propre licence.</translation>
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
        <translation>Paramètres d&apos;usine</translation>
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
        <translation>Inactive</translation>
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
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
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
</context>
</TS>
