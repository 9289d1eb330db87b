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
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation>Copyright © 2022 Tolvane Corporation. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane e Vellumark são marcas comerciais da Tolvane Corporation.</translation>
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
        <translation>Livreto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Encadernação à esquerda</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Encadernação à direita</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Dobra do livreto</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Acabamento</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separação</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Deslocar trabalhos</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Girar cópias</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Dobra em três</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lado de impressão</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direção da dobra</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Número de folhas</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Dobra técnica</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Dobra em Z</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Dobra ao meio</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perfuração</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Método de perfuração:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Grampeamento:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grampeamento</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posição dos grampos:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
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
        <translation>Tamanho do papel</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borda longa</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borda curta</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Colorido</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamanho de impressão</translation>
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
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualidade de impressão</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brilho</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Otimização CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retícula de meio-tom</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Colorido</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configurações...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reprodução de cores</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversão de cores</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir cinzas com toner preto</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenção de moiré</translation>
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
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configurações do trabalho</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acesso</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Número da caixa</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilização de trabalhos</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Lista de IDs de conta</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usar um ID de conta específico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Selecionar ID de conta</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de conta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de conta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome do trabalho</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definido pelo aplicativo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Substituir nome do trabalho:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usar nome do trabalho + data e hora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Substituir o arquivo existente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificação do trabalho por e-mail</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Login do usuário</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome do trabalho:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acesso:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Editar ID de conta</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Erro de ID de conta</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>O ID de conta deve ter de 1 a 8 dígitos</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Este ID de conta já existe.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>O código de acesso deve ter 4 dígitos.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impressão privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Caixa personalizada</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Digite um número de caixa personalizada entre 1 e 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>O campo de nome de trabalho personalizado requer um nome com até 128 caracteres.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Você deve adicionar um ID de conta à lista.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>O valor não pode conter o caractere aspas duplas (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>O nome de usuário deve ter pelo menos um caractere.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Digite o endereço de e-mail em um formato válido.
Por exemplo: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prova e retenção</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Novo ID de conta</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legais</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>O servidor respondeu %1 %2.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Solicitação de senha</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Digite a senha de root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Não foi possível autorizar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Digite a sua própria senha.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>A pasta de configurações %1 é um link para outro local.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>A pasta de configurações %1 não é uma pasta.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>A pasta de configurações %1 pertence a outra conta.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>A pasta de configurações %1 pode ser alterada por outras contas.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>A pasta de configurações %1 não pode ser examinada.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>Nada foi lido ou gravado nela. Providencie a remoção ou a correção dela e inicie o programa novamente.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>A pasta de configurações %1 podia ser alterada por outras contas. Agora só você pode alterá-la.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>Estes arquivos da pasta de configurações %1 podiam ser alterados por outras contas, por isso não foram lidos. Eles foram mantidos, legíveis só por você, com novos nomes:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Verifique um arquivo assim antes de lhe devolver o nome antigo.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (não separado)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>Estes arquivos da pasta de configurações %1 podiam ser alterados por outras contas, por isso não foram lidos. Eles não puderam ser separados, e outras contas ainda podem lê-los e alterá-los:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Verifique um arquivo assim e depois remova-o ou torne-o legível só por você.</translation>
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
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>Nenhuma impressora Tolvane está instalada.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>O sistema de impressão (CUPS) não está respondendo.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>Aguardando o sistema de impressão (CUPS)...</translation>
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
    <message>
        <source>Save Profiles</source>
        <translation>Salvar perfis</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Acabamento</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicação</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalhe</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impressão privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Caixa personalizada</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Marca d&apos;água personalizada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamanho de impressão</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livreto</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separação</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modo de dobra</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lado da dobra</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direção da dobra</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Método de dobra</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Direção da dobra em Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Método de dobra em Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Lado da dobra ao meio</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Método de dobra ao meio</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Grampeamento</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grampeamento</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perfuração</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brilho</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Otimização CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retícula de meio-tom</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Balanço de cores</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Ajuste de cores</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Ajuste de preto e branco</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reprodução de cores</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversão de cores</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir cinzas com toner preto</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenção de moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modo de capa</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserção de páginas</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalação de transparências</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configurações do trabalho</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilização de trabalhos</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome do trabalho</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificação do trabalho por e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Login do usuário</translation>
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
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Já existe um perfil chamado &quot;%1&quot;. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Não foi possível salvar o perfil.</translation>
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
    <message>
        <source>This name is reserved</source>
        <translation>Este nome está reservado</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Você deve inserir um nome de perfil</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Não foi possível salvar o perfil.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Não foi possível adicionar o perfil. O número máximo de 25 perfis foi atingido.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Digite um intervalo de páginas.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Digite as páginas desejadas.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Você pode inserir no máximo 50 páginas.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Você só pode inserir números de página entre 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Você só pode inserir números de página entre 2 e 511</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicação</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Modo de capa:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserção de páginas:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalação de transparências:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Frontal</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Frontal e traseira</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimir em:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Parte externa</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Parte interna</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Traseira</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Origem do papel da capa frontal:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Origem do papel da capa traseira:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimir na frente</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimir no verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserir antes das páginas:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Origem do papel da página:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimir na folha intercalada</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Origem do papel da folha intercalada:</translation>
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
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome de usuário de login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Sem notificações de conflitos de política</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continuar a impressão</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancelar a impressão</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Os campos Servidor, Porta e Nome de usuário de login devem ser preenchidos.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Você deve clicar em Verificar após fazer alterações.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Não foi possível conectar ao servidor.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Falha no login. O nome de usuário ou a senha que você digitou está incorreto.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>O servidor e as credenciais do usuário foram autenticados e as políticas foram aplicadas.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>As credenciais e as políticas serão verificadas novamente durante a impressão.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Você não tem permissão para imprimir.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>O servidor %1 apresenta um certificado que nenhuma autoridade confiável garante.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>Impressão digital SHA-256:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>Você confia neste servidor?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>O certificado do servidor %1 mudou desde que você confiou nele. Alguém pode estar interceptando a conexão.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>Nova impressão digital SHA-256:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Impressão digital confiável anterior:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>O servidor não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>O servidor %1 apresenta um certificado que uma autoridade confiável emitiu para outro nome de host.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>Anteriormente, uma autoridade confiável garantia o certificado do servidor.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>O registro dos servidores em que você confiou não pôde ser lido com segurança, por isso não se sabe em qual certificado você confiava antes.</translation>
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
    <message>
        <source>Password Prompt</source>
        <translation>Solicitação de senha</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>O sistema de impressão (CUPS) não está respondendo.
A lista de impressoras será preenchida novamente assim que ele responder.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>As configurações não foram aplicadas: o sistema de impressão (CUPS) não está respondendo.
A lista de impressoras será preenchida novamente assim que ele responder.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Marca d&apos;água personalizada:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repetir marca d&apos;água</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Marca d&apos;água/Carimbo</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Supermarca d&apos;água</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configurações de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (matiz, saturação e luminosidade)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balanço de cores</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Ajuste de matiz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Níveis de cor</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configurações de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
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
        <translation>O servidor não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>A resposta do servidor é grande demais.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>O certificado do servidor não é confiável.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>A resposta do servidor é inválida.</translation>
    </message>
</context>
</TS>
