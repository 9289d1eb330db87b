<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Coleta de dados</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Avisos legais</translation>
    </message>
    <message>
        <source>Default print settings for your printers</source>
        <translation>Configurações de impressão padrão para suas impressoras</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legais</translation>
    </message>
    <message>
        <source>Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library (Apache License 2.0) and the OpenSSL library (Apache License 2.0). Each component is distributed under its own licence.</source>
        <translation>O Vellumark utiliza o toolkit Qt (GNU LGPL versão 3), a biblioteca CUPS (Apache License 2.0) e a biblioteca OpenSSL (Apache License 2.0). Cada componente é distribuído sob sua própria licença.</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opções instaladas</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>É necessário acesso root para alterar as opções instaláveis</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impressoras</translation>
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
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Selecionar perfil:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Padrão de fábrica</translation>
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
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salvar perfil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ociosa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausada</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimindo</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erro: a impressora não existe ou o lpstat falhou.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Coleta de dados</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Pedimos que você nos ajude a melhorar nosso aplicativo e/ou nossos produtos fornecendo informações de uso.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>O aplicativo NÃO coleta nenhum dado pessoal.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Sobre a coleta de dados, leia a POLÍTICA DE PRIVACIDADE a seguir.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sim, quero ajudar a melhorar seus produtos</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Não, não desejo participar</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Não execute %1 como root.</translation>
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
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erro: a impressora não existe ou o lpoptions falhou.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Configurações aplicadas.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selecione uma impressora.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Parece que as impressoras instaladas foram alteradas.
Recarregando a lista.</translation>
    </message>
</context>
</TS>
